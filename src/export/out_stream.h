// The point file as the writer sees it: a text stream whose line ends reach
// the disk as carriage return and line feed on every platform. It remembers
// whether every byte reached the file, so a failed export is never reported
// as written.
#pragma once

#include <cstdio>

class OutStream {
 public:
  OutStream() = default;
  OutStream(const OutStream&) = delete;
  OutStream& operator=(const OutStream&) = delete;
  ~OutStream() { close(); }

  // Creates or truncates `path`; good() tells whether that worked.
  void open(const char* path);
  void write(const char* text);
  // Room for a line of at most kLongestLine characters, written in place:
  // fill from the returned pointer, then commit the end of what was written
  // (holding no line feed); commitLine adds the line end.
  static constexpr std::size_t kLongestLine = 256;
  char* reserveLine() {
    if (used_ + kLongestLine + 2 > kBufferSize) flush();
    return buffer_ + used_;
  }
  void commitLine(char* end) {
    end[0] = '\r', end[1] = '\n';
    used_ = static_cast<std::size_t>(end + 2 - buffer_);
    if (!file_) failed_ = true;
  }
  // Flushes and closes; returns false if any byte failed to reach the file.
  bool close();
  bool good() const { return file_ != nullptr && !failed_; }

 private:
  void flush();

  static constexpr std::size_t kBufferSize = 256 * 1024;
  std::FILE* file_ = nullptr;
  bool failed_ = false;
  std::size_t used_ = 0;
  char buffer_[kBufferSize];
};
