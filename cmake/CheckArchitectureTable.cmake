# cmake -DREADME=<README.md> -DARCH=<Debian architecture> -DRELEASE=<12 or 13>
#       "-DREFUSED=<program>;..." "-DCOMPILE=<compiler>;<option>..." -DPROBE=<architectureProbe.cpp>
#       -P CheckArchitectureTable.cmake
#
# Proves README.md's row for ARCH, in RELEASE's column: the probe compiles with the row's cells
# as macros only where each is what the compiler says, and the programs that the Result cell
# names as stopping must be exactly REFUSED, those that the build refuses for this target.

file(STRINGS ${README} row REGEX "^\\| `${ARCH}`")
# | `armhf` (32-bit ARM) | little | 8 | unsigned | 32 / 64 | the same bytes |
if(NOT row MATCHES
    "^\\| `[^`]+`[^|]*\\| (little|big) \\| ([0-9]+) \\| (signed|unsigned) \\| ([-0-9]+) / ([-0-9]+) \\| ([^|]+) \\|$")
  message(FATAL_ERROR "README.md has no well-formed row for ${ARCH} in its table of "
    "architectures, only: '${row}'")
endif()
set(order ${CMAKE_MATCH_1})
set(int64Alignment ${CMAKE_MATCH_2})
set(charSign ${CMAKE_MATCH_3})
set(timeBits ${CMAKE_MATCH_4})
if(RELEASE EQUAL 13)
  set(timeBits ${CMAKE_MATCH_5})
endif()
set(result "${CMAKE_MATCH_6}")
if(timeBits STREQUAL "-")
  message(FATAL_ERROR "README.md says that Debian ${RELEASE} has no ${ARCH}")
endif()

string(REGEX MATCHALL "`[A-Za-z]+`" stopping "${result}")
string(REPLACE "`" "" stopping "${stopping}")
list(SORT stopping)
list(SORT REFUSED)
if(NOT "${stopping}" STREQUAL "${REFUSED}")
  message(FATAL_ERROR "README.md says that on ${ARCH} '${result}', but the build refuses "
    "'${REFUSED}'")
endif()

set(isLittle 0)
if(order STREQUAL "little")
  set(isLittle 1)
endif()
set(isSigned 0)
if(charSign STREQUAL "signed")
  set(isSigned 1)
endif()
execute_process(
  COMMAND ${COMPILE} -DLITTLE_ENDIAN_ROW=${isLittle} -DINT64_ALIGNMENT_ROW=${int64Alignment}
    -DSIGNED_CHAR_ROW=${isSigned} -DTIME_BITS_ROW=${timeBits} ${PROBE}
  OUTPUT_VARIABLE log
  ERROR_VARIABLE log
  RESULT_VARIABLE status)
if(NOT status STREQUAL "0")
  message(FATAL_ERROR "README.md's row for ${ARCH} on Debian ${RELEASE} is not what the "
    "compiler says:\n${log}")
endif()
message(STATUS "README.md's row for ${ARCH} on Debian ${RELEASE} holds: ${row}")
