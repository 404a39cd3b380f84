#include "captureOutput.h"

#include <unistd.h>

#include <memory>
#include <stdexcept>

namespace {

struct CloseFile {
  void operator()(std::FILE* file) const {
    std::fclose(file);
  }
};

// Points the stream's descriptor at `target` for its lifetime, then back where it was.
class Redirect {
 public:
  Redirect(std::FILE* stream, std::FILE* target)
      : stream_(stream), fd_(fileno(stream)), saved_(dup(fd_)) {
    if (saved_ < 0) {
      throw std::runtime_error("captureOutput: dup failed");
    }
    std::fflush(stream_);
    dup2(fileno(target), fd_);
  }
  ~Redirect() {
    std::fflush(stream_);
    dup2(saved_, fd_);
    close(saved_);
  }
  Redirect(const Redirect&) = delete;
  Redirect& operator=(const Redirect&) = delete;

 private:
  std::FILE* stream_;
  int fd_;
  int saved_;
};

}  // namespace

std::string captureOutput(std::FILE* stream, const std::function<void()>& action) {
  const std::unique_ptr<std::FILE, CloseFile> sink(std::tmpfile());
  if (!sink) {
    throw std::runtime_error("captureOutput: no temporary file");
  }
  {
    const Redirect redirect(stream, sink.get());
    action();
  }
  std::string bytes;
  std::rewind(sink.get());
  for (int byte = std::fgetc(sink.get()); byte != EOF; byte = std::fgetc(sink.get())) {
    bytes.push_back(static_cast<char>(byte));
  }
  return bytes;
}
