# Compiles and links with the flags that the Debian release gives its own packages:
# dpkg-buildflags' preprocessor, compiler and linker flags with every hardening feature on
# (DEB_BUILD_MAINT_OPTIONS=hardening=+all), so each release's defaults apply. It runs in the
# source folder, so its -ffile-prefix-map maps that folder to ".": no path of the machine that
# built the package reaches it. Added before any target is declared, the flags reach every unit.
find_program(DPKG_BUILDFLAGS_COMMAND dpkg-buildflags REQUIRED)
foreach(kind IN ITEMS CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
      ${DPKG_BUILDFLAGS_COMMAND} --get ${kind}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE ${kind}
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  message(STATUS "dpkg-buildflags ${kind}: ${${kind}}")
  separate_arguments(${kind} UNIX_COMMAND "${${kind}}")
endforeach()
add_compile_options(${CPPFLAGS} ${CXXFLAGS})
add_link_options(${LDFLAGS})
