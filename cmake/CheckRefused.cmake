# cmake -DBUILD_DIR=<build folder> -DTARGET=<program> -DSOURCE_DIR=<its sources> -P CheckRefused.cmake
#
# Builds <program>, which this target must refuse, and requires the build to fail, its first
# error a failed static_assert in a file under <its sources>: the build stopped where the layout
# that the program prints is checked, not anywhere else.
execute_process(
  COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${TARGET}
  OUTPUT_VARIABLE log
  ERROR_VARIABLE log
  RESULT_VARIABLE status)

if(status STREQUAL "0")
  message(FATAL_ERROR "${TARGET} was built: this target was to refuse it")
endif()
string(REGEX MATCH "[^\n]*error:[^\n]*" firstError "${log}")
string(FIND "${firstError}" "${SOURCE_DIR}/" inSources)
if(NOT inSources EQUAL 0 OR NOT firstError MATCHES "error: static assertion failed")
  message(FATAL_ERROR "${TARGET} stopped first at something other than its own static_assert:\n"
    "${log}")
endif()
message(STATUS "${TARGET} stops as it should: ${firstError}")
