// The elevation text of the point file: one digit after the point, taken
// from the value rounded to six significant digits (ties to the even digit)
// and cut, not rounded again: 12.96 gives "12.9", 0.5 gives ".5".
#pragma once

#include <cstddef>

// Writes the text of `value` into `out` (at least 48 characters, enough for
// every float) and returns its length.
std::size_t formatElevation(float value, char* out, int capacity);
