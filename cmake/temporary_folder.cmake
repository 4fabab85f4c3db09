# The temporary folder (TMPDIR) of the CTest runs. MODE=make makes it anew and
# empty; MODE=check removes it and fails, naming them, if any test, scenario or
# soak left something in it.
if(MODE STREQUAL "make")
  file(REMOVE_RECURSE ${FOLDER})
  file(MAKE_DIRECTORY ${FOLDER})
  return()
endif()
file(GLOB left RELATIVE ${FOLDER} LIST_DIRECTORIES true ${FOLDER}/* ${FOLDER}/.*)
file(REMOVE_RECURSE ${FOLDER})
if(left)
  list(LENGTH left count)
  message(FATAL_ERROR "the tests left ${count} in the temporary folder: ${left}")
endif()
message(STATUS "the temporary folder is empty")
