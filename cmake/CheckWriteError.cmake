# cmake -DPROGRAM=<exe> -DNAME=<program name> -DOUTPUT=full|closed|deadPipe
#       [-DEMULATOR=<command>] -P CheckWriteError.cmake
#
# Runs the program with its standard output where no byte can arrive, and requires exit status
# 1 with the one line "<name>: write error: <reason>" on standard error:
#   full      on /dev/full, where every write fails with ENOSPC
#   closed    closed, where every write fails with EBADF
#   deadPipe  into a pipe whose reader leaves after the first two lines (the sampler's start
#             line and first sample, so that its work after a written line runs too), with
#             SIGPIPE ignored so that the next write fails with EPIPE instead of killing it
# The timeout ends a program that would go on writing into the void.
set(command ${EMULATOR} "${PROGRAM}")
if(OUTPUT STREQUAL "full")
  set(reason "No space left on device")
  execute_process(COMMAND ${command} OUTPUT_FILE /dev/full
    ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 10)
elseif(OUTPUT STREQUAL "closed")
  set(reason "Bad file descriptor")
  execute_process(COMMAND sh -c "exec \"$@\" >&-" sh ${command}
    ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 10)
elseif(OUTPUT STREQUAL "deadPipe")
  set(reason "Broken pipe")
  execute_process(
    COMMAND bash -c "trap '' PIPE; \"$@\" | head -n 2 >/dev/null; exit \"\${PIPESTATUS[0]}\""
      bash ${command}
    ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 10)
else()
  message(FATAL_ERROR "OUTPUT must be full, closed or deadPipe, not '${OUTPUT}'")
endif()

if(NOT status STREQUAL "1")
  message(FATAL_ERROR "${NAME} exited with '${status}', not 1\n${errors}")
endif()
if(NOT errors STREQUAL "${NAME}: write error: ${reason}\n")
  message(FATAL_ERROR "expected '${NAME}: write error: ${reason}' on standard error, got:\n"
    "${errors}")
endif()
