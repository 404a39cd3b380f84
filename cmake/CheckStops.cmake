# cmake -DSOURCE=<file> "-DCOMPILE=<compiler>;<option>..." [-DMESSAGE=<text>]
#       [-DFROM=<text> -DTO=<text> -DCOPY=<file>] -P CheckStops.cmake
#
# Requires that SOURCE does not compile, its first error a failed static_assert, with MESSAGE
# when given: a program that this target refuses, or a unit changed as its "Try it" says, FROM
# replaced by TO in the COPY that is compiled instead.
if(DEFINED FROM)
  file(READ ${SOURCE} text)
  string(FIND "${text}" "${FROM}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${SOURCE} no longer holds '${FROM}': its Try it is out of date")
  endif()
  string(REPLACE "${FROM}" "${TO}" text "${text}")
  file(WRITE ${COPY} "${text}")
  set(SOURCE ${COPY})
endif()
execute_process(COMMAND ${COMPILE} ${SOURCE} OUTPUT_VARIABLE log ERROR_VARIABLE log
  RESULT_VARIABLE status)
string(REGEX MATCH "[^\n]*error:[^\n]*" firstError "${log}")
string(FIND "${firstError}" "${MESSAGE}" said)
if(status EQUAL 0 OR NOT firstError MATCHES "static(_assert| assertion) failed" OR said EQUAL -1)
  message(FATAL_ERROR "${SOURCE} did not stop at a static_assert '${MESSAGE}':\n${log}")
endif()
message(STATUS "${SOURCE} stops as it should: ${firstError}")
