// Pixel access to a window's client framebuffer, clipped to the client area.
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/platform_state.h"

namespace platform {

class Raster {
 public:
  explicit Raster(HWND window) : window_(window) {}
  int width() const { return window_->clientWidth; }
  int height() const { return window_->clientHeight; }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width() && y < height(); }
  std::uint32_t& at(int x, int y) { return window_->pixels[static_cast<std::size_t>(y) * width() + x]; }
  // Fills [left, right) x [top, bottom), clipped.
  void fill(long left, long top, long right, long bottom, std::uint32_t colour) {
    left = std::max<long>(left, 0), top = std::max<long>(top, 0);
    right = std::min<long>(right, width()), bottom = std::min<long>(bottom, height());
    for (long y = top; y < bottom; ++y)
      for (long x = left; x < right; ++x) at(static_cast<int>(x), static_cast<int>(y)) = colour;
  }

 private:
  HWND window_;
};

}  // namespace platform
