#include "display/map_layout.h"

#include "app/app_state.h"
#include "dem/conversions.h"
#include "dem/wrap_int.h"

namespace {

constexpr double kBoxWidth = 900;
constexpr double kBoxHeight = 630;
// The single-precision value nearest to 900/630: an exact 10:7 extent is
// height-limited.
constexpr float kBoxAspect = 1.4285715f;

}  // namespace

void computeMapLayout() {
  app.elevationRange = toSingle(double(app.maxElevation) - double(app.minElevation));
  app.mapCenterX = kMapCenterX;
  app.mapCenterY = kMapCenterY;

  float aspect = toSingle(double(app.extentX) / double(app.extentY));
  app.mapScale = aspect > kBoxAspect ? toSingle(kBoxWidth / app.extentX) : toSingle(kBoxHeight / app.extentY);
  double scale = app.mapScale;

  app.mapLeft = wrapSub32(kMapCenterX, truncate32(half(app.extentX) * scale + 5));
  app.mapRight = wrapAdd32(wrapAdd32(app.mapLeft, truncate32(app.extentX * scale)), 11);
  app.mapTop = wrapSub32(kMapCenterY - 2, truncate32(half(app.extentY) * scale + 5));
  app.mapBottom = wrapAdd32(wrapAdd32(app.mapTop, truncate32(app.extentY * scale)), 10);

  std::int16_t plotWidth = wrap16(wrapSub32(wrapSub32(app.mapRight, app.mapLeft), 10));
  // Corners out of order can give a plot width of 0: nothing to divide by.
  app.drawSkip = plotWidth != 0 ? wrap16(app.columnCount / plotWidth) : 0;
  if (plotWidth > app.columnCount) app.drawSkip = 0;
}
