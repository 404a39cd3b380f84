# Cross-building for the Debian architecture named by the environment variable DEB_HOST_ARCH
# (as dpkg names it: `DEB_HOST_ARCH=ppc64el cmake --workflow --preset cross`), one of those of
# cmake/Architectures.cmake: with the GNU triplet's g++, against the target's libraries in
# /usr/lib/<triplet>, with every program and test run under qemu-user and /usr/<triplet> as its
# library root.

# Kept in the cache from the first configure on, so that the build folder regenerates itself
# without DEB_HOST_ARCH in the environment.
set(CROSS_ARCHITECTURE "$ENV{DEB_HOST_ARCH}" CACHE STRING "The Debian architecture built for")
set(ARCHITECTURE "${CROSS_ARCHITECTURE}")
include(${CMAKE_CURRENT_LIST_DIR}/Architectures.cmake)
if(NOT ARCHITECTURE_TRIPLET)
  list(JOIN KNOWN_ARCHITECTURES ", " names)
  message(FATAL_ERROR "DEB_HOST_ARCH is '${ARCHITECTURE}': set it to one of ${names}")
endif()

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${ARCHITECTURE_PROCESSOR})
set(CMAKE_CXX_COMPILER ${ARCHITECTURE_TRIPLET}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${ARCHITECTURE_TRIPLET})
# The loader comes from /usr/<triplet>, the cross toolchain's C library; the library path keeps
# the rest on that one too, where dpkg has also installed the target's own C library in a newer
# version (libfaketime:<arch> needs it). Mixed, they crashed on ppc64el.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-${ARCHITECTURE_PROCESSOR} -L /usr/${ARCHITECTURE_TRIPLET}
  -E LD_LIBRARY_PATH=/usr/${ARCHITECTURE_TRIPLET}/lib)
