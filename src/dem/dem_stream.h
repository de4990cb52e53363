// The DEM file as the reader sees it: a text source addressed by raw byte
// positions.
//
// - read(out, n, stop) takes at most n characters and stops before `stop` or a
//   line feed, which it leaves unread; the text is always terminated.
// - Carriage returns are dropped while reading; positions stay raw bytes.
// - A read that meets the end of the file with nothing read fails the stream:
//   from then on reads give empty texts and seeks are ignored, until open().
// - The file is read through a buffer of its own, so the program's seek plus
//   6-character read per elevation costs no system call while the position
//   stays inside the buffered window. Memory is constant whatever the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

class DemStream {
 public:
  static constexpr int kNoStop = -1;  // read(): no stop character, not even a line feed

  DemStream() = default;
  DemStream(const DemStream&) = delete;
  DemStream& operator=(const DemStream&) = delete;
  ~DemStream() { close(); }

  // Opens `path` for reading and clears any failed state; a file that cannot
  // be opened leaves the stream failed from the start.
  void open(const char* path);
  void close();
  bool isOpen() const { return file_ != nullptr; }
  bool failed() const { return failed_; }
  // The last read met the end of the file (or the stream is failed): what it
  // returned may be cut short.
  bool endOfFile() const { return failed_ || eof_; }

  // Moves to raw byte `position`; ignored while failed. A negative position
  // fails the stream.
  void seek(std::int32_t position) {
    if (failed_) return;
    eof_ = false;
    if (position < 0) {
      failed_ = true;
      return;
    }
    position_ = position;
  }

  // Reads into `out`, which holds at least count + 1 characters.
  void read(char* out, int count, int stop = '\n') {
    if (!failed_ && count > 0) {
      std::int64_t offset = position_ - bufferStart_;
      if (offset >= 0 && offset + count <= bufferLength_) {
        // Fast path: the whole read lies in the buffer.
        const char* p = buffer_ + offset;
        int n = 0;
        while (n < count && p[n] != '\r' && !stops(p[n], stop)) {
          out[n] = p[n];
          ++n;
        }
        if (n == count || p[n] != '\r') {
          position_ += n;
          out[n] = '\0';
          return;
        }
      }
    }
    readSlow(out, count, stop);
  }

 private:
  void readSlow(char* out, int count, int stop);
  static bool stops(char c, int stop) {
    return stop != kNoStop && (c == '\n' || static_cast<unsigned char>(c) == stop);
  }
  bool refill();  // loads the buffer at position_; false at the end of the file

  static constexpr std::size_t kBufferSize = 64 * 1024;
  static constexpr std::size_t kJumpSize = 4 * 1024;
  std::FILE* file_ = nullptr;
  bool failed_ = true;
  bool eof_ = false;
  std::int64_t position_ = 0;
  std::int64_t bufferStart_ = 0;
  std::int64_t bufferLength_ = 0;
  char buffer_[kBufferSize];
};
