# The table of architectures in README.md is a claim about compilers, so each build that runs
# the checks proves its own row: the row of the architecture being built for, in the column of
# the Debian release building it. The probe, architectureProbe.cpp, compiles only where every
# cell of the row is what this compiler says, and the programs that the Result cell names as
# stopping must be exactly those that the target refuses.

file(STRINGS /etc/os-release release REGEX "^VERSION_ID=")
string(REGEX REPLACE "^VERSION_ID=\"?([0-9]+).*" "\\1" release "${release}")
if(CMAKE_CROSSCOMPILING)
  set(arch "$ENV{DEB_HOST_ARCH}")
else()
  execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch
    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()

if(NOT release MATCHES "^(12|13)$" OR arch STREQUAL "")
  message(STATUS "Not Debian 12 or 13: README.md's table of architectures is not checked")
  return()
endif()

file(STRINGS ${PROJECT_SOURCE_DIR}/README.md row REGEX "^\\| `${arch}`")
# | `armhf` (32-bit ARM) | little | 8 | unsigned | 32 / 64 | the same bytes |
if(NOT row MATCHES
    "^\\| `[^`]+`[^|]*\\| (little|big) \\| ([0-9]+) \\| (signed|unsigned) \\| ([-0-9]+) / ([-0-9]+) \\| ([^|]+) \\|$")
  message(FATAL_ERROR "README.md has no well-formed row for ${arch} in its table of "
    "architectures, only: '${row}'")
endif()
set(order ${CMAKE_MATCH_1})
set(int64Alignment ${CMAKE_MATCH_2})
set(charSign ${CMAKE_MATCH_3})
set(timeBits ${CMAKE_MATCH_4})
if(release EQUAL 13)
  set(timeBits ${CMAKE_MATCH_5})
endif()
set(result "${CMAKE_MATCH_6}")
if(timeBits STREQUAL "-")
  message(FATAL_ERROR "README.md says that Debian ${release} has no ${arch}")
endif()

string(REGEX MATCHALL "`[A-Za-z]+`" stopping "${result}")
list(TRANSFORM stopping STRIP)
string(REPLACE "`" "" stopping "${stopping}")
set(refused ${REFUSED_PROGRAMS})
list(SORT stopping)
list(SORT refused)
if(NOT "${stopping}" STREQUAL "${refused}")
  message(FATAL_ERROR "README.md says that on ${arch} '${result}', but this target refuses "
    "'${refused}'")
endif()

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/README.md)
# ARCH and RELEASE only name the row, in the compile command that a failed assert prints.
add_library(architectureProbe OBJECT ${CMAKE_CURRENT_LIST_DIR}/architectureProbe.cpp)
target_compile_definitions(architectureProbe PRIVATE
  ARCH="${arch}" RELEASE=${release}
  LITTLE_ENDIAN_ROW=$<STREQUAL:${order},little>
  INT64_ALIGNMENT_ROW=${int64Alignment}
  SIGNED_CHAR_ROW=$<STREQUAL:${charSign},signed>
  TIME_BITS_ROW=${timeBits})
