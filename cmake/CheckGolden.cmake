# cmake -DPROGRAM=<exe> -DEXPECTED=<file> -DACTUAL=<file> [-DEMULATOR=<command>]
#       -P CheckGolden.cmake
#
# EMULATOR, when set, starts the program (a cross-built one runs under qemu).
# The output goes to a file and is compared as a file: captured into a variable, CMake would drop
# NUL bytes, and no step here may strip blanks, tabs or line ends.
execute_process(
  COMMAND ${EMULATOR} "${PROGRAM}"
  OUTPUT_FILE "${ACTUAL}"
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)

if(NOT status STREQUAL "0")
  message(FATAL_ERROR "${PROGRAM} exited with '${status}', not 0\n${errors}")
endif()
if(NOT errors STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} wrote to standard error:\n${errors}")
endif()

execute_process(
  COMMAND "${CMAKE_COMMAND}" -E compare_files "${ACTUAL}" "${EXPECTED}"
  RESULT_VARIABLE differs)
if(differs)
  file(READ "${ACTUAL}" actual_hex HEX)
  file(READ "${EXPECTED}" expected_hex HEX)
  message(FATAL_ERROR "standard output differs from ${EXPECTED}\n"
    "expected (hex): ${expected_hex}\n"
    "actual   (hex): ${actual_hex}\n"
    "actual output kept in ${ACTUAL}")
endif()
