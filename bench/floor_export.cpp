// The floor for an export of every point: a minimal sequential exporter of
// the 1024-byte record layout that knows nothing else. It reads the file in
// large chunks, parses every elevation at its fixed place, formats every
// line with std::to_chars into one large buffer and writes the buffer whole.
// No exporter of this format can beat it by much on the same machine.
//   tarnwick_floor_export DEM OUT
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kChunk = 4 << 20;

// A sliding window over the file: every position asked for lies at or after
// the previous one, so the file is read once, front to back.
class Window {
 public:
  explicit Window(std::FILE* file) : file_(file), buffer_(kChunk) {}
  // The `length` bytes at `position`, or null past the end of the file.
  const char* at(std::int64_t position, std::size_t length) {
    if (position < start_ || position + std::int64_t(length) > start_ + std::int64_t(size_)) {
      if (position < start_ || position > start_ + std::int64_t(size_)) {
        std::fseek(file_, long(position), SEEK_SET);
        start_ = position, size_ = 0;
      }
      std::size_t keep = size_ - std::size_t(position - start_);
      std::memmove(buffer_.data(), buffer_.data() + (position - start_), keep);
      start_ = position;
      size_ = keep + std::fread(buffer_.data() + keep, 1, buffer_.size() - keep, file_);
      if (size_ < length) return nullptr;
    }
    return buffer_.data() + (position - start_);
  }

 private:
  std::FILE* file_;
  std::vector<char> buffer_;
  std::int64_t start_ = 0;
  std::size_t size_ = 0;
};

long field(const char* p, int width) {
  char text[32] = {};
  std::memcpy(text, p, std::size_t(width));
  return std::strtol(text, nullptr, 10);
}

double real(const char* p, int width) {
  char text[32] = {};
  std::memcpy(text, p, std::size_t(width));
  if (char* d = std::strchr(text, 'D')) *d = 'E';
  return std::strtod(text, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: tarnwick_floor_export DEM OUT\n");
    return 2;
  }
  std::FILE* in = std::fopen(argv[1], "rb");
  std::FILE* out = std::fopen(argv[2], "wb");
  if (!in || !out) return 1;
  Window file(in);
  const char* header = file.at(0, 1024);
  if (!header) return 1;
  double vertRes = real(header + 840, 12);
  long columns = field(header + 858, 6);

  std::vector<char> output(kChunk + 256);
  std::size_t used = 0;
  std::int64_t start = 1024;
  for (long c = 0; c < columns; ++c) {
    const char* profile = file.at(start, 144);
    if (!profile) break;
    long rows = field(profile + 12, 6);
    long x = long(real(profile + 24, 24));
    double y = real(profile + 48, 24), dy = real(header + 828, 12);
    std::int64_t blocks = (144 + 6 * rows + 1019) / 1020;
    const char* data = file.at(start, std::size_t(blocks) * 1024);
    if (!data) break;
    char xText[16];
    std::size_t xLength = std::size_t(std::to_chars(xText, xText + 16, x).ptr - xText);
    for (long r = 0; r < rows; ++r, y += dy) {
      long offset = 144 + 6 * r;
      const char* e = data + offset + 4 * (offset / 1020);
      int value = 0;
      const char* p = e;
      while (p < e + 6 && *p == ' ') ++p;
      bool negative = p < e + 6 && *p == '-';
      if (negative) ++p;
      for (; p < e + 6; ++p) value = value * 10 + (*p - '0');
      if (negative) value = -value;
      char* line = output.data() + used;
      std::memcpy(line, xText, xLength);
      line += xLength;
      *line++ = ',';
      line = std::to_chars(line, line + 16, long(y)).ptr;
      *line++ = ',';
      double z = value * vertRes;
      if (z == std::floor(z)) {
        line = std::to_chars(line, line + 16, long(z)).ptr;
        *line++ = '.', *line++ = '0';
      } else {
        line = std::to_chars(line, line + 32, z, std::chars_format::fixed, 1).ptr;
      }
      *line++ = '\r', *line++ = '\n';
      used = std::size_t(line - output.data());
      if (used > kChunk) {
        std::fwrite(output.data(), 1, used, out);
        used = 0;
      }
    }
    start += blocks * 1024;
  }
  std::fwrite(output.data(), 1, used, out);
  std::fclose(in);
  return std::fclose(out) == 0 ? 0 : 1;
}
