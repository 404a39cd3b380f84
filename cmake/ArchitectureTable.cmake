# The table of architectures in README.md is a claim about compilers, so each build that runs
# the checks proves its own row, as the test architectureTable: the row of the architecture being
# built for, in the column of the Debian release building it (CheckArchitectureTable.cmake).
# Configuring reads only which architecture and release these are, never the README, so a
# README edit can fail this test but not a configure.

file(STRINGS /etc/os-release release REGEX "^VERSION_ID=")
string(REGEX REPLACE "^VERSION_ID=\"?([0-9]+).*" "\\1" release "${release}")
set(arch "${ARCHITECTURE}")

if(NOT release MATCHES "^(12|13)$" OR arch STREQUAL "")
  message(STATUS "Not Debian 12 or 13: README.md's table of architectures is not checked")
  return()
endif()

add_test(NAME architectureTable
  COMMAND ${CMAKE_COMMAND}
    -DREADME=${PROJECT_SOURCE_DIR}/README.md
    -DARCH=${arch}
    -DRELEASE=${release}
    "-DREFUSED=${REFUSED_PROGRAMS}"
    "-DCOMPILE=${CMAKE_CXX_COMPILER};${CMAKE_CXX20_STANDARD_COMPILE_OPTION};-fsyntax-only"
    -DPROBE=${CMAKE_CURRENT_LIST_DIR}/architectureProbe.cpp
    -P ${CMAKE_CURRENT_LIST_DIR}/CheckArchitectureTable.cmake)
