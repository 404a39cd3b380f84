#include "captureOutput.h"

#include <cstdlib>
#include <stdexcept>

std::string captureOutput(std::FILE*& stream, const std::function<void()>& action) {
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* memory = open_memstream(&buffer, &size);
  if (memory == nullptr) {
    throw std::runtime_error("captureOutput: open_memstream failed");
  }
  std::FILE* const saved = stream;
  stream = memory;
  try {
    action();
  } catch (...) {
    stream = saved;
    std::fclose(memory);
    std::free(buffer);
    throw;
  }
  stream = saved;
  std::fclose(memory);  // the buffer holds every byte written once the stream is closed
  std::string bytes(buffer, size);
  std::free(buffer);
  return bytes;
}
