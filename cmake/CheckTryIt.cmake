# cmake -DSOURCE=<file> -DFROM=<text> -DTO=<text> -DMESSAGE=<text> -DCOPY=<file>
#       "-DCOMPILE=<compiler>;<option>..." -P CheckTryIt.cmake
#
# Does what a "Try it" of SOURCE asks, replacing FROM with TO in a copy, and requires the copy not
# to compile, with the error MESSAGE, as the Try it says.
file(READ ${SOURCE} text)
string(FIND "${text}" "${FROM}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${SOURCE} no longer holds '${FROM}': its Try it is out of date")
endif()
string(REPLACE "${FROM}" "${TO}" text "${text}")
file(WRITE ${COPY} "${text}")
execute_process(COMMAND ${COMPILE} ${COPY} OUTPUT_VARIABLE log ERROR_VARIABLE log
  RESULT_VARIABLE status)
string(FIND "${log}" "${MESSAGE}" said)
if(status EQUAL 0 OR said EQUAL -1)
  message(FATAL_ERROR "with '${TO}', ${SOURCE} did not stop with '${MESSAGE}':\n${log}")
endif()
