#include "captureOutput.h"

#include <cstdlib>
#include <stdexcept>

namespace {

// An in-memory stream that stands in for a stream variable while it lives.
class MemoryStream {
 public:
  explicit MemoryStream(std::FILE*& stream)
      : stream_(stream), saved_(stream), memory_(open_memstream(&buffer_, &size_)) {
    if (memory_ == nullptr) {
      throw std::runtime_error("captureOutput: open_memstream failed");
    }
    stream_ = memory_;
  }
  ~MemoryStream() {
    stream_ = saved_;
    if (memory_ != nullptr) {
      std::fclose(memory_);
    }
    std::free(buffer_);
  }
  MemoryStream(const MemoryStream&) = delete;
  MemoryStream& operator=(const MemoryStream&) = delete;

  // Closes the stream and returns every byte written to it.
  std::string bytes() {
    stream_ = saved_;
    std::fclose(memory_);
    memory_ = nullptr;
    return {buffer_, size_};
  }

 private:
  std::FILE*& stream_;
  std::FILE* saved_;
  char* buffer_ = nullptr;
  std::size_t size_ = 0;
  std::FILE* memory_;
};

}  // namespace

std::string captureOutput(std::FILE*& stream, const std::function<void()>& action) {
  MemoryStream memory(stream);
  action();
  return memory.bytes();
}
