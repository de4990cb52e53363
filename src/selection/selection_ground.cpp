#include "selection/selection_ground.h"

#include <algorithm>
#include <cmath>

#include "app/resource.h"
#include "app/app_state.h"
#include "dem/conversions.h"
#include "display/map_view.h"
#include "dem/wrap_int.h"
#include "export/export_dialog.h"
#include "selection/drag_tracking.h"

namespace {

constexpr int kMinimumEstimate = 6;  // columns and rows both, before the dialog opens
constexpr int kBoxMargin = 5;        // the plot starts 5 pixels inside the frame's left and bottom

// Pixels to ground units.
double toGround(std::int32_t pixels) { return pixels / double(app.mapScale); }

void freeMouse() {
  app.bandDrawn = 0;
  ClipCursor(nullptr);
  ReleaseCapture();
}

// How many grid spacings fit in a ground distance. The header's exact
// spacing is used: a spacing below 1 truncates to 0, and a non-whole one
// would be off; no spacing at all gives no estimate.
std::int16_t spacingsIn(std::int32_t distance, float spacing) {
  if (!(spacing != 0) || !std::isfinite(spacing)) return 0;
  return truncate16(distance / double(spacing));
}

void groundBox() {
  app.selMinX = wrapAdd32(app.minX, truncate32(toGround(wrapSub32(app.selLeft, wrapAdd32(app.mapLeft, kBoxMargin)))));
  app.selMaxX = truncate32(toGround(app.selRight - app.selLeft) + app.selMinX);
  app.selMinY = wrapAdd32(app.minY, truncate32(toGround(wrapSub32(wrapSub32(app.mapBottom, kBoxMargin), app.selBottom))));
  app.selMaxY = truncate32(toGround(app.selBottom - app.selTop) + app.selMinY);
}

void groundCircle(std::int16_t r) {
  app.circleRadius = truncate32(toGround(r));
  app.circleCenterX = wrapAdd32(app.minX, truncate32(toGround(wrapSub32(app.anchorX, app.mapLeft))));
  app.circleCenterY = wrapSub32(app.maxY, truncate32(toGround(wrapSub32(app.anchorY, app.mapTop))));
}

void openExportDialog(HWND window, HDC dc) {
  app.mapShown = 0;
  fillClientBlack(window, dc);
  ReleaseDC(window, dc);
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_EXPORT), window, exportDialogProc, 0);
}

}  // namespace

void onLeftButtonUp(HWND window, LPARAM position) {
  if (app.mapShown <= 0) return;
  HDC dc = GetDC(window);
  SetROP2(dc, R2_NOTXORPEN);
  app.releaseX = positionX(position), app.releaseY = positionY(position);

  bool rectangle = app.areaType == AreaType::Rectangle;
  std::int16_t r = 0;  // the pixel radius of the circle that was on the screen
  bool circleRemoved = false;
  if (app.bandDrawn && rectangle) drawRectBand(dc, app.bandX, app.bandY);
  if (app.bandDrawn && app.areaType == AreaType::Circle) {
    r = bandRadius(app.bandX, app.bandY);
    drawCircleBand(dc, r);
    circleRemoved = true;
  }

  if (rectangle) {
    app.selLeft = std::min(app.anchorX, app.releaseX), app.selRight = std::max(app.anchorX, app.releaseX);
    app.selTop = std::min(app.anchorY, app.releaseY), app.selBottom = std::max(app.anchorY, app.releaseY);
  } else {
    if (!circleRemoved || app.circleFits == 0) {
      freeMouse();
      ReleaseDC(window, dc);
      return;
    }
    app.selLeft = wrap16(app.anchorX - r), app.selRight = wrap16(app.anchorX + r);
    app.selTop = wrap16(app.anchorY - r), app.selBottom = wrap16(app.anchorY + r);
  }

  groundBox();
  if (!rectangle) groundCircle(r);
  app.selCols = spacingsIn(wrapSub32(app.selMaxX, app.selMinX), app.exactSpacingX);
  app.selRows = spacingsIn(wrapSub32(app.selMaxY, app.selMinY), app.exactSpacingY);
  freeMouse();

  if (app.selCols >= kMinimumEstimate && app.selRows >= kMinimumEstimate) return openExportDialog(window, dc);
  ReleaseDC(window, dc);
}
