// Debian's C++ library for wasm32 is built without exceptions: it has no __cxa_allocate_exception
// or __cxa_throw, so a program with a `throw` in it does not link. These two stand in for them
// where no unwinding is possible: a throw ends the program, as an uncaught exception does,
// with a line on standard error that names the exception's type.

#include <cstdio>
#include <cstdlib>
#include <typeinfo>

// NOLINTBEGIN(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp): the ABI's own names
extern "C" void* __cxa_allocate_exception(std::size_t size) noexcept {
  void* exception = std::malloc(size);
  if (exception == nullptr) {
    std::abort();
  }
  return exception;
}

extern "C" [[noreturn]] void __cxa_throw(void* /*exception*/, std::type_info* type,
                                         void (* /*destroy*/)(void*)) {
  std::fprintf(stderr, "terminate: a %s was thrown, and wasm32 cannot catch it\n", type->name());
  std::abort();
}
// NOLINTEND(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp)
