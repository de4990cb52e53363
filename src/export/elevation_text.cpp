#include "export/elevation_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr double kPowersOfTen[] = {1, 10, 100, 1000, 10000, 100000, 1000000};

// Digits before the decimal point of a magnitude in [1, 100000).
int integerDigits(double magnitude) {
  int p = 1;
  while (p < 5 && magnitude >= kPowersOfTen[p]) ++p;
  return p;
}

char* writeDigits(char* p, long value) {
  return std::to_chars(p, p + 24, value).ptr;
}

// Magnitudes from 0.1 to below 100000 (all the file's elevations, in
// practice), in integer arithmetic. A float times a power of ten up to 10^6
// is exact in double precision, so rounding that product to a whole number,
// ties to even, is exactly the six-digit rounding.
std::size_t sixDigitText(double magnitude, bool negative, char* out) {
  int point = magnitude < 1 ? 0 : integerDigits(magnitude);
  int decimals = 6 - point;
  long six = static_cast<long>(std::nearbyint(magnitude * kPowersOfTen[decimals]));
  if (six >= 1000000) {  // rounding carried into a seventh digit: one more before the point
    six /= 10;
    --decimals;
    if (decimals == 0) return 0;  // 100000 in six digits: the general form's
  }
  long scale = static_cast<long>(kPowersOfTen[decimals]);
  char* p = out;
  if (negative) *p++ = '-';
  long whole = six / scale;
  if (whole != 0 || decimals < 6) p = writeDigits(p, whole);
  *p++ = '.';
  *p++ = static_cast<char>('0' + (six / (scale / 10)) % 10);
  *p = '\0';
  return static_cast<std::size_t>(p - out);
}

// Everything else: below 0.1, 100000 and more, and what is not finite.
std::size_t generalText(double magnitude, const char* sign, char* out, int capacity) {
  if (!std::isfinite(magnitude)) {
    std::snprintf(out, capacity, "%s0.0", sign);
  } else if (magnitude < 0.1 && magnitude != 0) {
    // Below 0.1 the first fractional digit is 0, not the first significant one;
    // but a value that rounds up to 0.1 in six digits is 0.1.
    char digits[32] = {};
    std::to_chars(digits, digits + sizeof digits - 1, magnitude, std::chars_format::scientific, 5);
    bool tenth = std::atoi(digits + 8) == -1;
    std::snprintf(out, capacity, "%s.%c", sign, tenth ? '1' : '0');
  } else {
    // 100000 and more: all the integer digits, then the first fractional one.
    double whole = std::floor(magnitude);
    int tenth = static_cast<int>((magnitude - whole) * 10);
    std::snprintf(out, capacity, "%s%.0f.%d", sign, whole, tenth);
  }
  return std::strlen(out);
}

}  // namespace

std::size_t formatElevation(float value, char* out, int capacity) {
  double magnitude = std::fabs(double(value));
  bool negative = std::signbit(value) && magnitude != 0;
  if (magnitude < 100000 && magnitude == std::floor(magnitude)) {
    // A whole number below 100000 is its own six-digit form: "n.0". Most
    // elevations are.
    char* p = out;
    if (negative) *p++ = '-';
    p = writeDigits(p, static_cast<long>(magnitude));
    std::memcpy(p, ".0", 3);
    return static_cast<std::size_t>(p + 2 - out);
  }
  if (magnitude >= 0.1 && magnitude < 100000)
    if (std::size_t length = sixDigitText(magnitude, negative, out)) return length;
  return generalText(magnitude, negative ? "-" : "", out, capacity);
}
