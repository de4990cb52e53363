#include "display/elevation_plot.h"

#include <algorithm>
#include <cmath>

#include "app/app_state.h"
#include "dem/conversions.h"
#include "dem/profile_cursor.h"
#include "dem/wrap_int.h"

namespace {

constexpr float kTopValue = 240;

// One band of the colour ramp: from its lower limit, each channel is
// base + step * j, j the whole value's distance from the limit.
struct Band {
  int limit;
  int red, redStep, green, greenStep, blue, blueStep;
};
constexpr Band kBands[] = {
    {0, 0, 0, 0, 0, 50, 10},       // dark blue; band 1 is indexed by n itself
    {20, 0, 0, 0, 12, 255, 0},     // blue to azure
    {40, 0, 0, 255, 0, 255, -12},  // cyan to green
    {60, 0, 0, 255, -4, 0, 0},     // green, darkening
    {80, 0, 12, 160, 4, 0, 0},     // green to yellow
    {100, 255, 0, 255, -5, 0, 0},  // yellow to orange
    {120, 255, 0, 144, -7, 0, 0},  // orange to red
    {140, 255, -5, 15, 0, 0, 0},   // red, darkening
    {160, 192, 3, 0, 0, 0, 12},    // dark red to purple
    {180, 255, 0, 0, 7, 255, 0},   // magenta to pink
    {200, 238, -5, 128, 0, 238, -5},  // pink, fading
    {220, 154, 5, 154, 5, 154, 5},    // grey to white
};

// n, the whole part of v. Not-a-number (a flat file's 0/0) and minus infinity
// count as 0, the lowest band's start.
int wholeValue(float v) {
  if (std::isnan(v) || std::isinf(v)) return 0;
  if (v < -1e6f) return -1000000;
  if (v > 1e6f) return 1000000;
  return static_cast<int>(v);  // the conversion drops the fraction toward zero
}

std::int32_t even(std::int32_t v) { return 2 * half(v); }

// Steps pointY one elevation north. The header's exact spacing is used: for a
// whole-number spacing it is gridSpacingY itself, and for a 1.4 m LIDAR grid
// the truncated value would put every elevation at the wrong y.
void stepNorth() { app.pointY = toSingle(double(app.pointY) + double(app.exactSpacingY)); }

void plotElevation(HDC dc) {
  app.demStream.seek(app.filePos);
  app.demStream.read(app.fieldText, kElevationWidth);
  // An elevation cut off by the end of the file is not drawn as 0.
  bool whole = !app.demStream.endOfFile();
  stepElevation(app.rowIndex);
  app.elevation = toSingle(toReal(app.fieldText) * app.vertRes);
  PixelPoint pixel = groundToPixel(app.profileX, app.pointY);
  stepNorth();
  if (!whole) return;

  float v = toSingle(double(toSingle(double(app.elevation) - app.minElevation)) / app.elevationRange * kTopValue);
  if (v > kTopValue) v = kTopValue;
  if (wholeValue(v) < kLowestDrawnBand) return;
  if (app.mapLeft < pixel.x && pixel.x < app.mapRight && app.mapTop < pixel.y && pixel.y < app.mapBottom)
    SetPixel(dc, pixel.x, pixel.y, elevationColour(v));
}

void plotProfile(HDC dc) {
  for (app.rowIndex = 0; app.rowIndex < app.profileRows; ++app.rowIndex) {
    for (app.skipCount = 0; app.skipCount < app.drawSkip && app.rowIndex < app.profileRows; ++app.skipCount) {
      stepElevation(app.rowIndex);
      stepNorth();
      ++app.rowIndex;
    }
    // The skip can end on the last row; the 16-bit counter must not step past
    // 32767, where it would wrap negative and the walk would never end.
    if (app.rowIndex >= app.profileRows) break;
    plotElevation(dc);
  }
}

}  // namespace

PixelPoint groundToPixel(float x, float y) {
  std::int32_t dx = truncate32(double(x) - app.minX);
  std::int32_t px = wrapSub32(app.mapCenterX, truncate32((double(half(app.extentX)) - dx) * app.mapScale));
  std::int32_t dy = truncate32(double(y) - app.minY);
  std::int32_t py = wrapAdd32(app.mapCenterY, truncate32((double(half(app.extentY)) - dy) * app.mapScale));
  return {even(px), even(py)};
}

COLORREF elevationColour(float v) {
  if (v > kTopValue) v = kTopValue;
  int n = wholeValue(v);
  // The band is the last whose limit v reaches; the limits are whole
  // multiples of 20, which v reaches exactly when its whole part n does.
  int band = n < 0 ? 0 : std::min(n / 20, 11);
  const Band& b = kBands[band];
  int j = n - b.limit;
  return RGB(b.red + b.redStep * j, b.green + b.greenStep * j, b.blue + b.blueStep * j);
}

void plotElevations(HDC dc) {
  app.demStream.open(app.demPath);
  startWalk();
  for (app.columnIndex = 0; app.columnIndex < app.columnCount; ++app.columnIndex) {
    beginProfile();
    for (app.columnSkip = 0; app.columnSkip < app.drawSkip && app.columnIndex + 1 < app.columnCount;
         ++app.columnSkip) {
      skipProfile();
      ++app.columnIndex;
    }
    if (app.columnSkip < app.drawSkip) break;  // the profiles ran out while skipping
    readProfileOrigin();
    plotProfile(dc);
    finishProfile();
  }
  app.demStream.close();
}
