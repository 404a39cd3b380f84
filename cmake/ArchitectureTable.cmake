# The table of architectures in README.md is a claim about compilers, so each build that runs
# the checks proves its own row, as the test architectureTable: the row of the architecture being
# built for, in the column of the Debian release building it (CheckArchitectureTable.cmake).
# Configuring reads only which architecture and release these are, never the README, so a
# README edit can fail this test but not a configure.

file(STRINGS /etc/os-release release REGEX "^VERSION_ID=")
string(REGEX REPLACE "^VERSION_ID=\"?([0-9]+).*" "\\1" TABLE_RELEASE "${release}")

# add_architecture_table_test(<architecture> <compiler> <option>...) declares the test
# architectureTable.<architecture>, which proves that row with the compiler and the options; for
# the architecture being built for, the test is architectureTable.
function(add_architecture_table_test arch)
  if(NOT TABLE_RELEASE MATCHES "^(12|13)$" OR arch STREQUAL "")
    message(STATUS "Not Debian 12 or 13: README.md's table of architectures is not checked")
    return()
  endif()
  set(name architectureTable.${arch})
  if(arch STREQUAL ARCHITECTURE)
    set(name architectureTable)
  endif()
  set(ARCHITECTURE ${arch})  # the programs that it refuses, in this function's scope
  include(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/Architectures.cmake)
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND}
      -DREADME=${PROJECT_SOURCE_DIR}/README.md
      -DARCH=${arch}
      -DRELEASE=${TABLE_RELEASE}
      "-DREFUSED=${REFUSED_PROGRAMS}"
      "-DCOMPILE=${ARGN};${CMAKE_CXX20_STANDARD_COMPILE_OPTION};-fsyntax-only"
      -DPROBE=${PROJECT_SOURCE_DIR}/cmake/architectureProbe.cpp
      -P ${PROJECT_SOURCE_DIR}/cmake/CheckArchitectureTable.cmake)
endfunction()
