# The Debian architectures that the programs are built for, one line each: the name dpkg gives
# it, its GNU triplet, qemu-user's name for its processor, and the programs whose build must
# stop there because they would print other bytes. Included with ARCHITECTURE set, by the cross
# toolchain file and by a native build alike, it sets ARCHITECTURE_TRIPLET,
# ARCHITECTURE_PROCESSOR and REFUSED_PROGRAMS for that architecture, and KNOWN_ARCHITECTURES.

set(KNOWN_ARCHITECTURES)
set(REFUSED_PROGRAMS)
macro(architecture name triplet processor)
  list(APPEND KNOWN_ARCHITECTURES ${name})
  if("${ARCHITECTURE}" STREQUAL "${name}")
    set(ARCHITECTURE_TRIPLET ${triplet})
    set(ARCHITECTURE_PROCESSOR ${processor})
    set(REFUSED_PROGRAMS ${ARGN})
  endif()
endmacro()

architecture(amd64   x86_64-linux-gnu       x86_64)
architecture(arm64   aarch64-linux-gnu      aarch64)
architecture(armhf   arm-linux-gnueabihf    arm)
architecture(ppc64el powerpc64le-linux-gnu  ppc64le)
architecture(riscv64 riscv64-linux-gnu      riscv64)
# Big-endian: the two programs that print a memory image stop at their byte-order check.
architecture(s390x   s390x-linux-gnu        s390x   usartFrameDump recordBytesDump)
# std::int64_t aligned to 4 bytes: recordBytesDump stops at its record's layout check.
architecture(i386    i686-linux-gnu         i386    recordBytesDump)
# WebAssembly, with WASI for its system calls (cmake/WasmToolchain.cmake): no qemu runs it.
architecture(wasm32  wasm32-wasi            -)
