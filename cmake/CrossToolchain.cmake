# Cross-building for the Debian architecture named by the environment variable DEB_HOST_ARCH
# (as dpkg names it: `DEB_HOST_ARCH=ppc64el cmake --workflow --preset cross`): with the GNU
# triplet's g++, against the target's libraries in /usr/lib/<triplet>, with every program and
# test run under qemu-user and /usr/<triplet> as its library root.
#
# One line per architecture: its Debian name, its GNU triplet, qemu-user's name for its
# processor, and the programs whose build must stop there because they would print other bytes.

set(CMAKE_SYSTEM_NAME Linux)
set(REFUSED_PROGRAMS)
set(known)

macro(cross_target arch triplet processor)
  list(APPEND known ${arch})
  if("$ENV{DEB_HOST_ARCH}" STREQUAL "${arch}")
    set(CMAKE_SYSTEM_PROCESSOR ${processor})
    set(CMAKE_CXX_COMPILER ${triplet}-g++)
    set(CMAKE_LIBRARY_ARCHITECTURE ${triplet})
    # The loader comes from /usr/<triplet>, the cross toolchain's C library; the library path
    # keeps the rest on that one too, where dpkg has also installed the target's own C library
    # in a newer version (libfaketime:<arch> needs it). Mixed, they crashed on ppc64el.
    set(CMAKE_CROSSCOMPILING_EMULATOR
      qemu-${processor} -L /usr/${triplet} -E LD_LIBRARY_PATH=/usr/${triplet}/lib)
    set(REFUSED_PROGRAMS ${ARGN})
  endif()
endmacro()

cross_target(arm64   aarch64-linux-gnu      aarch64)
cross_target(armhf   arm-linux-gnueabihf    arm)
cross_target(ppc64el powerpc64le-linux-gnu  ppc64le)
cross_target(riscv64 riscv64-linux-gnu      riscv64)
# Big-endian: the two programs that print a memory image stop at their byte-order check.
cross_target(s390x   s390x-linux-gnu        s390x   usartFrameDump recordBytesDump)
# std::int64_t aligned to 4 bytes: recordBytesDump stops at its record's layout check.
cross_target(i386    i686-linux-gnu         i386    recordBytesDump)

if(NOT CMAKE_SYSTEM_PROCESSOR)
  list(JOIN known ", " names)
  message(FATAL_ERROR "DEB_HOST_ARCH is '$ENV{DEB_HOST_ARCH}': set it to one of ${names}")
endif()
