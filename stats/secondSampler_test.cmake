# cmake -DPROGRAM=<secondSampler> [-DEMULATOR=<command>] -P secondSampler_test.cmake
#
# Runs the sampler with its output on a pipe for 2.5 seconds, then kills it, and checks what had
# reached the pipe: the start line, then at least one sample line and no burst of them.
execute_process(
  COMMAND ${EMULATOR} "${PROGRAM}"
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors
  RESULT_VARIABLE status
  TIMEOUT 2.5)

if(NOT status STREQUAL "Process terminated due to timeout")
  message(FATAL_ERROR "the sampler stopped by itself ('${status}'):\n${errors}")
endif()

string(FIND "${output}" "arrayStats begin...\n" start)
if(NOT start EQUAL 0)
  message(FATAL_ERROR "output does not begin with the start line:\n${output}")
endif()

string(LENGTH "arrayStats begin...\n" skip)
string(SUBSTRING "${output}" ${skip} -1 samples)
string(REGEX MATCHALL "[^\n]*\n" lines "${samples}")
list(LENGTH lines sampleCount)
# Samples fall on whole seconds: 2.5 seconds of running cross at least one second boundary and
# at most three, and one more is allowed for a kill that comes late on a loaded machine; more
# lines than that would be a burst.
if(sampleCount LESS 1 OR sampleCount GREATER 4)
  message(FATAL_ERROR "expected 1 to 4 sample lines, got ${sampleCount}:\n${output}")
endif()
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^Exec\\.\\.\\.[0-9]+\n$")
    message(FATAL_ERROR "malformed sample line '${line}' in:\n${output}")
  endif()
endforeach()
string(REGEX REPLACE "[^\n]*\n" "" rest "${samples}")
if(NOT rest STREQUAL "")
  message(FATAL_ERROR "unterminated output '${rest}' after the sample lines")
endif()
