# Building for WebAssembly (wasm32, WASI) with Debian's own clang, lld, wasi-libc and libc++ for
# wasm32; the lesson pages run what it builds in the browser. No program here runs on the build
# machine, so the checks that run programs are off.
set(ARCHITECTURE wasm32)
include(${CMAKE_CURRENT_LIST_DIR}/Architectures.cmake)

set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
set(CMAKE_EXECUTABLE_SUFFIX_CXX .wasm)
set(CMAKE_EXE_LINKER_FLAGS_INIT -Wl,--strip-all)
# lld links a library of wasm32 objects only through the index that LLVM's own ar writes.
find_program(CMAKE_AR llvm-ar REQUIRED)
