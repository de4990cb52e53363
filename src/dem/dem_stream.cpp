#include "dem/dem_stream.h"

void DemStream::open(const char* path) {
  close();
  file_ = std::fopen(path, "rb");
  failed_ = (file_ == nullptr);
  eof_ = false;
  if (file_) std::setvbuf(file_, nullptr, _IONBF, 0);  // our buffer is the only one
  position_ = 0;
  bufferStart_ = 0;
  bufferLength_ = 0;
}

void DemStream::close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  bufferLength_ = 0;
}

bool DemStream::refill() {
  // Reading on from the end of the buffer loads a whole buffer; a jump (the
  // count scan and thinned passes go from profile to profile) loads only a
  // little, so that the bytes jumped over are never read at all.
  bool onward = position_ == bufferStart_ + bufferLength_;
  std::size_t length = onward ? kBufferSize : kJumpSize;
  bufferStart_ = position_;
  bufferLength_ = 0;
  if (!file_) return false;
#if defined(_WIN32)
  if (_fseeki64(file_, position_, SEEK_SET) != 0) return false;
#else
  if (fseeko(file_, static_cast<off_t>(position_), SEEK_SET) != 0) return false;
#endif
  bufferLength_ = static_cast<std::int64_t>(std::fread(buffer_, 1, length, file_));
  return bufferLength_ > 0;
}

void DemStream::readSlow(char* out, int count, int stop) {
  int n = 0;
  while (!failed_ && n < count) {
    if (position_ < bufferStart_ || position_ >= bufferStart_ + bufferLength_) {
      if (!refill()) {
        eof_ = true;
        if (n == 0) failed_ = true;  // met the end of the file with nothing read
        break;
      }
    }
    char c = buffer_[position_ - bufferStart_];
    if (c == '\r') {
      ++position_;
      continue;
    }
    if (stops(c, stop)) break;
    out[n++] = c;
    ++position_;
  }
  out[n] = '\0';
}
