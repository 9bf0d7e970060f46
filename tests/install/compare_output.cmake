# A consumer's program prints exactly what it is expected to:
#   cmake -DPROGRAM=... -DEXPECTED=file -P compare_output.cmake
execute_process(COMMAND "${PROGRAM}" OUTPUT_VARIABLE printed RESULT_VARIABLE status)
file(READ "${EXPECTED}" expected)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} ended with ${status}")
endif()
if(NOT printed STREQUAL expected)
  message(FATAL_ERROR "${PROGRAM} printed\n${printed}\ninstead of\n${expected}")
endif()
message(STATUS "${PROGRAM}: the expected output")
