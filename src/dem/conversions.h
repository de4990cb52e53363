// The number conversions of header and profile fields, exactly as the reader
// applies them: C-style prefixes of the text, wrap-around into 16- and 32-bit
// fields, truncation toward zero, rounding to single precision.
#pragma once

#include <cstdint>

// Leading blanks, an optional sign and decimal digits; no digits give 0. The
// result keeps the low 32 bits of the exact value.
std::int32_t toInteger(const char* text);
// Leading blanks, an optional sign, digits with an optional point and an
// optional E/e exponent; no number gives 0.
double toReal(const char* text);
// As toReal after the first capital D (a Fortran exponent) becomes 'e'.
double toRealD(const char* text);
// Drops the fraction and keeps the low 32 (16) bits; not-a-number and
// infinities give 0.
std::int32_t truncate32(double value);
std::int16_t truncate16(double value);
// Rounds to the nearest single-precision value; beyond its range, infinity.
float toSingle(double value);
