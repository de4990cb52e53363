#include "export/out_stream.h"

#include <cstring>

void OutStream::open(const char* path) {
  close();
  file_ = std::fopen(path, "wb");
  failed_ = (file_ == nullptr);
}

void OutStream::write(const char* text) {
  if (!file_) {
    failed_ = true;
    return;
  }
  for (const char* p = text; *p;) {
    const char* lf = std::strchr(p, '\n');
    std::size_t n = lf ? static_cast<std::size_t>(lf - p) : std::strlen(p);
    if (n && std::fwrite(p, 1, n, file_) != n) failed_ = true;
    if (!lf) break;
    if (std::fwrite("\r\n", 1, 2, file_) != 2) failed_ = true;
    p = lf + 1;
  }
}

bool OutStream::close() {
  if (!file_) return !failed_;
  if (std::fflush(file_) != 0) failed_ = true;
  if (std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  bool ok = !failed_;
  failed_ = false;
  return ok;
}
