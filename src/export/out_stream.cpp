#include "export/out_stream.h"

void OutStream::open(const char* path) {
  close();
  file_ = std::fopen(path, "wb");
  failed_ = (file_ == nullptr);
  used_ = 0;
}

void OutStream::write(const char* text) {
  if (!file_) {
    failed_ = true;
    return;
  }
  for (const char* p = text; *p; ++p) {
    if (used_ + 2 > kBufferSize) flush();
    if (*p == '\n') buffer_[used_++] = '\r';
    buffer_[used_++] = *p;
  }
}

void OutStream::flush() {
  if (used_ && (!file_ || std::fwrite(buffer_, 1, used_, file_) != used_)) failed_ = true;
  used_ = 0;
}

bool OutStream::close() {
  if (!file_) return !failed_;
  flush();
  if (std::fflush(file_) != 0) failed_ = true;
  if (std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  bool ok = !failed_;
  failed_ = false;
  return ok;
}
