// The map itself: one pixel per drawn elevation, placed through the layout's
// scale and centre, snapped to even coordinates, coloured by where it lies
// between the header's minimum and maximum.
#pragma once

#include <cstdint>

#include "platform/win32.h"

struct PixelPoint {
  std::int32_t x, y;
};

// Streams the file named by demPath and plots it on `dc`.
void plotElevations(HDC dc);
PixelPoint groundToPixel(float x, float y);
// v is the normalised elevation, 0 at the minimum and 240 at the maximum.
COLORREF elevationColour(float v);
// Below this n (the whole part of v), band 1's blue would go negative: void
// markers such as -32767 are not drawn.
constexpr int kLowestDrawnBand = -5;
