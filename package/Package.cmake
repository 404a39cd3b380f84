# The Debian package: the programs, stripped, with their manual pages, and the copyright
# file, the changelog and the lesson pages (site/) in /usr/share/doc/numbytes. `cmake --workflow --preset package` builds
# it offline; dpkg-shlibdeps (dpkg-dev) and file are needed to fill in its Depends.

file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog newest LIMIT_COUNT 1)
if(NOT newest MATCHES "^numbytes \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "package/changelog begins with '${newest}', not version ${PROJECT_VERSION}")
endif()
install_gzipped(${CMAKE_CURRENT_LIST_DIR}/changelog ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_CONTACT "numbytes maintainers <maintainers@users.noreply.c-seed-b394cdfe.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[
Small, stand-alone programs, each showing one way of handling numbers and
bytes: level and step statistics over single-precision samples, a store of
samples taken once a second, decimal tokens checked as 8-bit values, the
bytes of a serial frame, a record of mixed field types and a counted
string, printed in hex, and a value whose bit reversal is checked as it
compiles. Read the source to learn, and the output to check your
understanding. Each program has a manual page; where the package holds
every program, the lessons read as pages in /usr/share/doc/numbytes/html.]])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Read by cpack, which takes SOURCE_DATE_EPOCH from it for every time stamp in the archive.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/SourceDateEpoch.cmake)
set(CPACK_NUMBYTES_SOURCE_DIR ${PROJECT_SOURCE_DIR})
include(CPack)
