# Fails when a picture of the menu in docs/ is not what the current code draws:
# makes them afresh with pelorin-sim in a game folder holding docs/menu.ini and
# compares them, the game folder's path shown as docs/ shows it (/tmp/pics)
# and the width of its text left out. The game folder has a short path of a
# fixed length wherever the build is, so that the About page never cuts it.
#   cmake -DSIM=<pelorin-sim> -DDOCS=<docs folder> -DWORK=<scratch folder> -P check_menu_pictures.cmake
cmake_minimum_required(VERSION 3.25)
string(MD5 workHash "${WORK}")
string(SUBSTRING "${workHash}" 0 8 workHash)
set(game /tmp/pelorin-pics-${workHash})
set(pictures ${WORK}/pictures)
file(REMOVE_RECURSE ${WORK} ${game})
file(MAKE_DIRECTORY ${game} ${pictures})
file(COPY_FILE ${DOCS}/menu.ini ${game}/Pelorin.ini)
execute_process(COMMAND ${SIM} menu-pictures ${pictures} WORKING_DIRECTORY ${game} RESULT_VARIABLE result
                OUTPUT_QUIET)
file(REMOVE_RECURSE ${game})
if(NOT result EQUAL 0)
  message(FATAL_ERROR "pelorin-sim menu-pictures failed (${result})")
endif()
file(GLOB made RELATIVE ${pictures} ${pictures}/menu-*.svg)
if(NOT made)
  message(FATAL_ERROR "pelorin-sim menu-pictures made no picture")
endif()
set(stale "")
# The width the game gave a text that shows the game folder is that of this
# folder's path: left out of the comparison.
set(pathWidth "textLength=\"[0-9.]+\"( lengthAdjust=\"spacingAndGlyphs\"[^>]*>/tmp/pics/)")
foreach(name IN LISTS made)
  file(READ ${pictures}/${name} fresh)
  string(REPLACE "${game}/" "/tmp/pics/" fresh "${fresh}")
  string(REGEX REPLACE "${pathWidth}" "textLength=\"\"\\1" fresh "${fresh}")
  if(NOT EXISTS ${DOCS}/${name})
    list(APPEND stale ${name})
    continue()
  endif()
  file(READ ${DOCS}/${name} shipped)
  string(REGEX REPLACE "${pathWidth}" "textLength=\"\"\\1" shipped "${shipped}")
  if(NOT fresh STREQUAL shipped)
    list(APPEND stale ${name})
  endif()
endforeach()
if(stale)
  message(FATAL_ERROR "stale in docs/: ${stale}. Make them afresh: in a folder /tmp/pics holding docs/menu.ini "
                      "as Pelorin.ini, run pelorin-sim menu-pictures <repository>/docs")
endif()
