#include "selection/drag_tracking.h"

#include <cmath>

#include "app/app_state.h"
#include "dem/wrap_int.h"

namespace {

void clampInto(std::int16_t& v, std::int32_t low, std::int32_t high) {
  if (v < low) v = wrap16(low);
  if (v > high) v = wrap16(high);
}

bool circleFitsMap(std::int16_t r) {
  // In 64 bits: the frame of a header with corners out of order can lie
  // anywhere in 32-bit space.
  std::int64_t x = app.anchorX, y = app.anchorY;
  return x - r + 1 > app.mapLeft && y - r + 1 > app.mapTop && x + r < app.mapRight && y + r < app.mapBottom;
}

void moveRectBand(HDC dc) {
  drawRectBand(dc, app.dragX, app.dragY);
  app.bandDrawn = 1;
  app.bandX = app.dragX, app.bandY = app.dragY;
}

void moveCircleBand(HDC dc) {
  app.bandDrawn = 0;
  std::int16_t r = bandRadius(app.dragX, app.dragY);
  if (!circleFitsMap(r)) {
    app.circleFits = 0;  // no band until a later move fits again
    return;
  }
  app.bandDrawn = 1;
  app.bandX = app.dragX, app.bandY = app.dragY;
  app.circleFits = 1;
  drawCircleBand(dc, r);
}

}  // namespace

void drawRectBand(HDC dc, std::int16_t cornerX, std::int16_t cornerY) {
  // Each segment leaves out its end point, so each corner is touched once.
  MoveToEx(dc, app.anchorX, app.anchorY, nullptr);
  LineTo(dc, cornerX, app.anchorY);
  MoveToEx(dc, cornerX, app.anchorY, nullptr);
  LineTo(dc, cornerX, cornerY);
  MoveToEx(dc, cornerX, cornerY, nullptr);
  LineTo(dc, app.anchorX, cornerY);
  MoveToEx(dc, app.anchorX, cornerY, nullptr);
  LineTo(dc, app.anchorX, app.anchorY);
}

std::int16_t bandRadius(std::int16_t cornerX, std::int16_t cornerY) {
  double dx = std::abs(app.anchorX - cornerX), dy = std::abs(app.anchorY - cornerY);
  return wrap16(static_cast<std::int64_t>(std::sqrt(dx * dx + dy * dy)));
}

void drawCircleBand(HDC dc, std::int16_t r) {
  Ellipse(dc, app.anchorX - r, app.anchorY - r, app.anchorX + r, app.anchorY + r);
}

void onLeftButtonDown(HWND window, LPARAM position) {
  if (app.mapShown <= 0) return;
  SetCapture(window);
  POINT topLeft{app.mapLeft, app.mapTop}, bottomRight{app.mapRight, app.mapBottom};
  ClientToScreen(window, &topLeft);
  ClientToScreen(window, &bottomRight);
  RECT clip;
  SetRect(&clip, topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
  ClipCursor(&clip);
  app.anchorX = positionX(position), app.anchorY = positionY(position);
  clampInto(app.anchorX, app.mapLeft, app.mapRight);
  clampInto(app.anchorY, app.mapTop, app.mapBottom);
}

void onMouseMove(HWND window, WPARAM buttons, LPARAM position) {
  if (app.mapShown <= 0 || !(buttons & MK_LBUTTON)) return;
  HDC dc = GetDC(window);
  SetROP2(dc, R2_NOTXORPEN);
  if (app.bandDrawn) {
    if (app.areaType == AreaType::Rectangle) drawRectBand(dc, app.bandX, app.bandY);
    if (app.areaType == AreaType::Circle) drawCircleBand(dc, bandRadius(app.bandX, app.bandY));
  }
  app.dragX = positionX(position), app.dragY = positionY(position);
  if (app.areaType == AreaType::Rectangle) moveRectBand(dc);
  if (app.areaType == AreaType::Circle) moveCircleBand(dc);
  ReleaseDC(window, dc);
}
