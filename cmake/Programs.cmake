# Helpers that declare the deliverable programs and their checks. The programs are named once,
# by their add_program calls; add_run_target and write_program_list, called after the last of
# them, take the list from there.

# add_program(<name> [RUNS_UNTIL_KILLED] [EXPECTED <file>] SOURCES <source>...) declares the
# deliverable <name>: built from its units and closeOutput, the check that its output was written,
# and installed with its manual page, generated from man/<name>.1.in with the project's version
# and compressed. A program that ends names the file that its output must equal, EXPECTED;
# RUNS_UNTIL_KILLED marks one that never ends by itself. It also declares <name>_units, the same
# sources compiled a second time with `main` renamed to <name>_main by a compile definition, so
# that a unit test or the lesson pages' picture program can call the program's functions beside
# a main of its own; it is built only for what links it. With BUILD_TESTING it declares the
# program's checks: add_golden_test for a program that ends, add_write_error_tests for every one.
#
# A program named in REFUSED_PROGRAMS (set from cmake/Architectures.cmake for a target whose
# layout differs) is left out of the build, the install, the package and the list of programs,
# and with BUILD_TESTING its one check, <name>.refused, requires that compiling it stops at a
# static_assert; its units are not declared, so its unit tests are left out too.
function(add_program name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "RUNS_UNTIL_KILLED" "EXPECTED" "SOURCES")
  if(arg_RUNS_UNTIL_KILLED AND arg_EXPECTED)
    message(FATAL_ERROR "${name} runs until killed: it has no EXPECTED output")
  elseif(NOT arg_RUNS_UNTIL_KILLED AND NOT arg_EXPECTED)
    message(FATAL_ERROR "${name} ends: name the file its output must equal with EXPECTED")
  endif()
  set(template ${PROJECT_SOURCE_DIR}/man/${name}.1.in)
  if(NOT EXISTS ${template})
    message(FATAL_ERROR "${name} has no manual page ${template}")
  endif()
  set(page ${PROJECT_BINARY_DIR}/man/${name}.1)
  configure_file(${template} ${page} @ONLY)

  if(arg_RUNS_UNTIL_KILLED)
    set(expected -)
  else()
    file(RELATIVE_PATH expected ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/${arg_EXPECTED})
  endif()
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE closeOutput)
  if(name IN_LIST REFUSED_PROGRAMS)
    set_target_properties(${name} PROPERTIES EXCLUDE_FROM_ALL TRUE)
    if(BUILD_TESTING)
      list(GET arg_SOURCES 0 main)
      add_stop_test(${name}.refused ${main})
    endif()
    return()
  endif()
  list(TRANSFORM arg_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ OUTPUT_VARIABLE sources)
  set_property(GLOBAL APPEND PROPERTY PROGRAMS ${name})
  set_property(GLOBAL PROPERTY ${name}_EXPECTED ${expected})
  set_property(GLOBAL PROPERTY ${name}_SOURCES ${sources})
  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install_gzipped(${page} ${CMAKE_INSTALL_MANDIR}/man1)
  if(arg_RUNS_UNTIL_KILLED)
    set_property(GLOBAL APPEND PROPERTY ENDLESS_PROGRAMS ${name})
  else()
    set_property(GLOBAL APPEND PROPERTY ENDING_PROGRAMS ${name})
  endif()

  add_library(${name}_units STATIC EXCLUDE_FROM_ALL ${arg_SOURCES})
  target_compile_definitions(${name}_units PRIVATE main=${name}_main)
  target_include_directories(${name}_units PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name}_units PUBLIC closeOutput)
  if(NOT BUILD_TESTING)
    return()
  endif()
  if(arg_RUNS_UNTIL_KILLED)
    add_write_error_tests(${name} DEAD_PIPE)
  else()
    add_golden_test(${name} ${arg_EXPECTED})
    add_write_error_tests(${name})
  endif()
endfunction()

# add_run_target() declares the target `run`, which builds every program and runs them in turn:
# those that end, then each endless one for a few seconds.
function(add_run_target)
  get_property(ending GLOBAL PROPERTY ENDING_PROGRAMS)
  get_property(endless GLOBAL PROPERTY ENDLESS_PROGRAMS)
  list(TRANSFORM ending REPLACE ".+" "$<TARGET_FILE:\\0>" OUTPUT_VARIABLE ending_files)
  list(TRANSFORM endless REPLACE ".+" "$<TARGET_FILE:\\0>" OUTPUT_VARIABLE endless_files)
  add_custom_target(run
    COMMAND ${CMAKE_COMMAND} "-DENDING=${ending_files}" "-DENDLESS=${endless_files}"
      -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/RunPrograms.cmake
    USES_TERMINAL
    VERBATIM)
  add_dependencies(run ${ending} ${endless})
endfunction()

# write_program_list(<file>) writes <file>, a line per program in the order of the add_program
# calls: its name, its expected output's path in the source folder (or - for a program that runs
# until killed) and its sources' paths there, separated by blanks. CI and the pages read it.
function(write_program_list file)
  get_property(programs GLOBAL PROPERTY PROGRAMS)
  set(lines)
  foreach(name IN LISTS programs)
    get_property(expected GLOBAL PROPERTY ${name}_EXPECTED)
    get_property(sources GLOBAL PROPERTY ${name}_SOURCES)
    list(TRANSFORM sources REPLACE "^${PROJECT_SOURCE_DIR}/" "")
    list(JOIN sources " " sources)
    string(APPEND lines "${name} ${expected} ${sources}\n")
  endforeach()
  file(WRITE ${file} "${lines}")
endfunction()

# add_unit_test(<name> <library>... [LINK_OPTIONS <option>...]) builds the GoogleTest runner
# <name> from <name>.cpp, linked with the libraries and the options, and registers its tests
# with CTest, unless a program it tests is refused here (its units are not declared).
function(add_unit_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LINK_OPTIONS")
  foreach(library IN LISTS arg_UNPARSED_ARGUMENTS)
    if(library MATCHES "_units$" AND NOT TARGET ${library})
      return()
    endif()
  endforeach()
  add_executable(${name} ${name}.cpp)
  target_link_libraries(${name} PRIVATE ${arg_UNPARSED_ARGUMENTS} testsupport GTest::gtest_main)
  target_link_options(${name} PRIVATE ${arg_LINK_OPTIONS})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()

# add_stop_test(<name> <source> [<argument>...]) declares <name>, which compiles <source> (a
# source of the current folder) for this target and requires it to stop at a static_assert
# (CheckStops.cmake, which the arguments, -D<variable>=<value>, tell more).
function(add_stop_test name source)
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_CURRENT_SOURCE_DIR}/${source} ${ARGN}
      "-DCOMPILE=${CMAKE_CXX_COMPILER};${CMAKE_CXX20_STANDARD_COMPILE_OPTION};-fsyntax-only;-I${CMAKE_CURRENT_SOURCE_DIR};-I${PROJECT_SOURCE_DIR}/output"
      -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/CheckStops.cmake)
endfunction()

# add_golden_test(<program> <expected file>) runs <program> and requires exit status 0, nothing
# on standard error, and standard output equal byte for byte to <expected file>. With MEMCHECK on,
# it also runs <program> under valgrind's memcheck, which fails on any invalid access, any use or
# output of an uninitialised byte, and any leak.
function(add_golden_test program expected)
  add_test(NAME ${program}.golden
    COMMAND ${CMAKE_COMMAND}
      -DPROGRAM=$<TARGET_FILE:${program}>
      "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
      -DEXPECTED=${CMAKE_CURRENT_SOURCE_DIR}/${expected}
      -DACTUAL=${CMAKE_CURRENT_BINARY_DIR}/${program}.actual
      -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/CheckGolden.cmake)
  if(MEMCHECK)
    add_test(NAME ${program}.memcheck
      COMMAND ${VALGRIND} --quiet --error-exitcode=1 --leak-check=full --show-leak-kinds=all
        --errors-for-leak-kinds=all --track-origins=yes $<TARGET_FILE:${program}>)
  endif()
endfunction()

# add_write_error_tests(<program> [DEAD_PIPE]) runs <program> with standard output on /dev/full
# and with it closed, and requires exit status 1 and a "<program>: write error: <reason>" line
# on standard error. DEAD_PIPE adds a run into a pipe whose reader leaves after the first two
# lines, for a program that writes for as long as it runs.
function(add_write_error_tests program)
  cmake_parse_arguments(PARSE_ARGV 1 arg "DEAD_PIPE" "" "")
  set(outputs full closed)
  if(arg_DEAD_PIPE)
    list(APPEND outputs deadPipe)
  endif()
  foreach(output IN LISTS outputs)
    add_test(NAME ${program}.${output}Output
      COMMAND ${CMAKE_COMMAND}
        -DPROGRAM=$<TARGET_FILE:${program}>
        "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
        -DNAME=${program}
        -DOUTPUT=${output}
        -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/CheckWriteError.cmake)
  endforeach()
endfunction()
