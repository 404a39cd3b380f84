# cmake "-DENDING=<exe>;..." "-DENDLESS=<exe>;..." -P RunPrograms.cmake
#
# Runs each program with its output straight on the terminal; an endless one is stopped after
# a few seconds. A program that ends must end with status 0.
foreach(program IN LISTS ENDING)
  cmake_path(GET program FILENAME name)
  message(STATUS "${name}")
  execute_process(COMMAND "${program}" RESULT_VARIABLE status)
  if(NOT status STREQUAL "0")
    message(FATAL_ERROR "${name} exited with '${status}'")
  endif()
endforeach()

foreach(program IN LISTS ENDLESS)
  cmake_path(GET program FILENAME name)
  message(STATUS "${name} (stopped after 4 seconds)")
  execute_process(COMMAND "${program}" TIMEOUT 4)
endforeach()
