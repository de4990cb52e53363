#include "dem/conversions.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "dem/wrap_int.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::int32_t toInteger(const char* text) {
  const char* p = text;
  while (isBlank(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = (*p++ == '-');
  std::uint64_t value = 0;  // wraps modulo 2^64, which keeps the low bits exact
  for (; isDigit(*p); ++p) value = value * 10 + static_cast<std::uint64_t>(*p - '0');
  if (negative) value = ~value + 1;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

double toReal(const char* text) {
  const char* p = text;
  while (isBlank(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = (*p++ == '-');
  const char* start = p;
  std::size_t digits = 0;
  while (isDigit(*p)) ++p, ++digits;
  if (*p == '.') {
    ++p;
    while (isDigit(*p)) ++p, ++digits;
  }
  if (digits == 0) return 0.0;
  if (p - start == static_cast<std::ptrdiff_t>(digits) && digits <= 15 && *p != 'e' && *p != 'E') {
    // Whole digits alone, as every elevation in the file: exact in a double
    // as they stand, so from_chars would give the same value.
    std::int64_t whole = 0;
    for (const char* d = start; d < p; ++d) whole = whole * 10 + (*d - '0');
    return negative ? -double(whole) : double(whole);
  }
  if (*p == 'e' || *p == 'E') {
    const char* q = p + 1;
    if (*q == '+' || *q == '-') ++q;
    if (isDigit(*q)) {
      while (isDigit(*q)) ++q;
      p = q;
    }
  }
  double value = 0.0;
  auto [end, ec] = std::from_chars(start, p, value, std::chars_format::general);
  (void)end;
  if (ec == std::errc::result_out_of_range) {
    // from_chars leaves the value alone; take what strtod would give.
    const char* e = start;
    while (*e != 'e' && *e != 'E' && e < p) ++e;
    bool tiny = (e < p) && e[1] == '-';
    value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
  }
  return negative ? -value : value;
}

double toRealD(const char* text) {
  char copy[128];
  std::size_t n = std::strlen(text);
  if (n >= sizeof copy) n = sizeof copy - 1;
  std::memcpy(copy, text, n);
  copy[n] = '\0';
  if (char* d = std::strchr(copy, 'D')) *d = 'e';
  return toReal(copy);
}

std::int32_t truncate32(double value) {
  // The conversion itself drops the fraction toward zero; it runs for every
  // plotted and written point, so no library call before it.
  if (std::fabs(value) < 9.0e18) return wrap32(static_cast<std::int64_t>(value));
  if (!std::isfinite(value)) return 0;
  double whole = std::trunc(value);
  // Every double this large is a whole number; its low 32 bits are exact.
  double low = std::fmod(whole, 4294967296.0);
  if (low < 0) low += 4294967296.0;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(low));
}

std::int16_t truncate16(double value) { return wrap16(truncate32(value)); }

float toSingle(double value) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (value > kMax || value < -kMax) {
    // Values that still round to the largest float do so; beyond, infinity.
    double limit = kMax + std::ldexp(1.0, 103);  // half a unit above the largest float
    if (value >= limit) return std::numeric_limits<float>::infinity();
    if (value <= -limit) return -std::numeric_limits<float>::infinity();
    return value > 0 ? std::numeric_limits<float>::max() : -std::numeric_limits<float>::max();
  }
  return static_cast<float>(value);
}
