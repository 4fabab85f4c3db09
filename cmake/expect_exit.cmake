# Runs COMMAND (a list) and fails unless it exits with EXPECT_EXIT and, when
# EXPECT_OUTPUT is given, its standard output matches that regular expression.
execute_process(COMMAND ${COMMAND} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status STREQUAL EXPECT_EXIT)
  message(FATAL_ERROR "exit status ${status}, expected ${EXPECT_EXIT}\n${output}${errors}")
endif()
if(DEFINED EXPECT_OUTPUT AND NOT output MATCHES "${EXPECT_OUTPUT}")
  message(FATAL_ERROR "output does not match ${EXPECT_OUTPUT}:\n${output}")
endif()
