# Pelorin.asi formats text through msvcrt.dll (src/platform/formatting_win32.cpp),
# which lacks the "z", "j", "t", "ll" and "hh" length modifiers: no format in
# the plug-in's sources may use them.
file(GLOB_RECURSE sources ${ROOT}/*.cpp ${ROOT}/*.h)
set(found "")
foreach(source ${sources})
  file(STRINGS ${source} lines REGEX "%[-+ #0-9.*]*(z|j|t|ll|hh)[diouxXn]")
  foreach(line ${lines})
    string(APPEND found "\n${source}: ${line}")
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "formats msvcrt.dll does not know:${found}")
endif()
