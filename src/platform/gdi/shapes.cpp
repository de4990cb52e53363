// Rectangles, lines and ellipses, drawn with the context's pen and brush
// through its mix mode. Every figure touches each of its pixels exactly once,
// so under R2_NOTXORPEN drawing it twice restores the picture.
#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

#include "platform/gdi/raster.h"
#include "platform/platform_state.h"

namespace {

std::uint32_t mix(int rop2, std::uint32_t destination, std::uint32_t source) {
  if (rop2 == R2_NOTXORPEN) return ~(destination ^ source) & 0xFFFFFF;
  return source & 0xFFFFFF;
}

void plot(HDC dc, platform::Raster& raster, long x, long y, std::uint32_t colour) {
  if (x < 0 || y < 0 || x >= raster.width() || y >= raster.height()) return;
  std::uint32_t& pixel = raster.at(static_cast<int>(x), static_cast<int>(y));
  pixel = mix(dc->rop2, pixel, colour);
}

using PixelSet = std::set<std::pair<long, long>>;

void plotAll(HDC dc, const PixelSet& pixels, std::uint32_t colour) {
  platform::Raster raster(dc->window);
  for (auto& [x, y] : pixels) plot(dc, raster, x, y, colour);
}

// Fills [left, right) x [top, bottom) with the brush through the mix mode.
void fillWithBrush(HDC dc, long left, long top, long right, long bottom) {
  if (!dc->brush) return;
  platform::Raster raster(dc->window);
  left = std::max(left, 0L), right = std::min<long>(right, raster.width());
  if (left >= right) return;
  std::uint32_t colour = dc->brush->colour;
  for (long y = std::max(top, 0L); y < std::min<long>(bottom, raster.height()); ++y) {
    std::uint32_t* row = &raster.at(0, static_cast<int>(y));
    if (dc->rop2 == R2_COPYPEN)
      std::fill(row + left, row + right, colour & 0xFFFFFF);
    else
      for (long x = left; x < right; ++x) row[x] = mix(dc->rop2, row[x], colour);
  }
}

}  // namespace

BOOL WINAPI Rectangle(HDC dc, int left, int top, int right, int bottom) {
  if (!dc) return FALSE;
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  fillWithBrush(dc, long(left) + 1, long(top) + 1, long(right) - 1, long(bottom) - 1);
  // The outline runs through (left, top) and (right - 1, bottom - 1); a wide
  // pen is centred on it.
  int width = dc->pen ? std::max(dc->pen->width, 1) : 1;
  long inner = (width - 1) / 2, outer = width / 2;
  // Only what lies in the client area is visited, however large the figure.
  platform::Raster raster(dc->window);
  long fromY = std::max<long>(long(top) - inner, 0), toY = std::min<long>(long(bottom) - 1 + outer, raster.height() - 1);
  long fromX = std::max<long>(long(left) - inner, 0), toX = std::min<long>(long(right) - 1 + outer, raster.width() - 1);
  auto nearEdge = [&](long v, long low, long high) {
    return (v >= low - inner && v <= low + outer) || (v >= high - 1 - inner && v <= high - 1 + outer);
  };
  // Each outline pixel once: whole rows along the top and bottom, and between
  // them only the pen's width at the left and right.
  std::uint32_t colour = dc->pen ? dc->pen->colour : 0;
  long rightBand = long(right) - 1 - inner;
  for (long y = fromY; y <= toY; ++y) {
    bool wholeRow = nearEdge(y, top, bottom);
    for (long x = fromX; x <= toX;) {
      if (wholeRow || nearEdge(x, left, right)) {
        plot(dc, raster, x, y, colour);
        ++x;
      } else {
        x = x < rightBand ? rightBand : toX + 1;  // over the inside, to the right band
      }
    }
  }
  return TRUE;
}

BOOL WINAPI MoveToEx(HDC dc, int x, int y, LPPOINT previous) {
  if (!dc) return FALSE;
  if (previous) *previous = dc->current;
  dc->current = {x, y};
  return TRUE;
}

BOOL WINAPI LineTo(HDC dc, int x, int y) {
  if (!dc) return FALSE;
  if (dc->pen && dc->pen->width > 1) PLATFORM_UNIMPLEMENTED("LineTo with a wide pen");
  // Bresenham from the current position, leaving out the end point.
  long x0 = dc->current.x, y0 = dc->current.y;
  long dx = std::labs(x - x0), dy = -std::labs(y - y0);
  long sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1;
  long error = dx + dy;
  PixelSet line;
  while (!(x0 == x && y0 == y)) {
    line.insert({x0, y0});
    long e2 = 2 * error;
    if (e2 >= dy) error += dy, x0 += sx;
    if (e2 <= dx) error += dx, y0 += sy;
  }
  plotAll(dc, line, dc->pen ? dc->pen->colour : 0);
  dc->current = {x, y};
  return TRUE;
}

BOOL WINAPI Ellipse(HDC dc, int left, int top, int right, int bottom) {
  if (!dc) return FALSE;
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  if (long(right) - left < 1 || long(bottom) - top < 1) return TRUE;
  // The outline lies inside the box, its right and bottom edges excluded.
  double cx = (double(left) + right - 1) / 2, cy = (double(top) + bottom - 1) / 2;
  double a = (double(right) - 1 - left) / 2, b = (double(bottom) - 1 - top) / 2;
  platform::Raster raster(dc->window);
  PixelSet outline;
  for (long x = std::max<long>(left, -1); x <= std::min<long>(long(right) - 1, raster.width()); ++x) {
    double u = a > 0 ? (x - cx) / a : 0;
    double h = b * std::sqrt(std::max(0.0, 1 - u * u));
    outline.insert({x, std::lround(cy - h)});
    outline.insert({x, std::lround(cy + h)});
  }
  for (long y = std::max<long>(top, -1); y <= std::min<long>(long(bottom) - 1, raster.height()); ++y) {
    double v = b > 0 ? (y - cy) / b : 0;
    double w = a * std::sqrt(std::max(0.0, 1 - v * v));
    outline.insert({std::lround(cx - w), y});
    outline.insert({std::lround(cx + w), y});
  }
  // The inside: the brush through the mix mode (the default white brush
  // under R2_NOTXORPEN leaves it as it is).
  if (dc->brush) {
    PixelSet inside;
    for (long y = std::max<long>(top, 0); y <= std::min<long>(long(bottom) - 1, raster.height() - 1); ++y) {
      double v = b > 0 ? (y - cy) / b : 0;
      double w = a * std::sqrt(std::max(0.0, 1 - v * v));
      for (long x = std::max(std::lround(cx - w) + 1, 0L); x < std::min<long>(std::lround(cx + w), raster.width()); ++x)
        if (!outline.count({x, y})) inside.insert({x, y});
    }
    plotAll(dc, inside, dc->brush->colour);
  }
  plotAll(dc, outline, dc->pen ? dc->pen->colour : 0);
  return TRUE;
}
