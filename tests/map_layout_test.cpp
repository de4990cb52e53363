#include <gtest/gtest.h>

#include "app/app_state.h"
#include "display/map_layout.h"

namespace {

void layout(std::int32_t extentX, std::int32_t extentY, std::int16_t columns) {
  resetAppState();
  app.extentX = extentX;
  app.extentY = extentY;
  app.columnCount = columns;
  app.minElevation = 100;
  app.maxElevation = 1300;
  computeMapLayout();
}

}  // namespace

TEST(MapLayout, WorkedExamples) {
  struct Case {
    std::int32_t extentX, extentY;
    double scale;
    std::int32_t left, right, top, bottom;
  } cases[] = {
      {10000, 7000, 0.09000000357627869, 25, 936, 28, 668},   // exactly 10:7: height-limited
      {12000, 6000, 0.07500000298023224, 25, 936, 118, 578},  // width-limited
      {7000, 10000, 0.06300000101327896, 255, 707, 28, 668},  // portrait
      {10001, 7000, 0.0899910032749176, 26, 937, 29, 668},    // a hair wider than 10:7; odd extent halves down
  };
  for (auto& c : cases) {
    layout(c.extentX, c.extentY, 100);
    SCOPED_TRACE(testing::Message() << c.extentX << " x " << c.extentY);
    EXPECT_EQ(double(app.mapScale), c.scale);
    EXPECT_EQ(app.mapLeft, c.left);
    EXPECT_EQ(app.mapRight, c.right);
    EXPECT_EQ(app.mapTop, c.top);
    EXPECT_EQ(app.mapBottom, c.bottom);
    EXPECT_EQ(app.mapCenterX, 480);
    EXPECT_EQ(app.mapCenterY, 350);
    EXPECT_EQ(app.elevationRange, 1200.0f);
  }
}

TEST(MapLayout, DrawSkipKeepsDrawnProfilesBelowThePlotWidth) {
  struct Case {
    std::int32_t extentX, extentY;
    std::int16_t columns, skip;
  } cases[] = {
      {10000, 7000, 334, 0},  {10000, 7000, 900, 0},  {10000, 7000, 901, 1},  {10000, 7000, 1001, 1},
      {10000, 7000, 1802, 2}, {9000, 9000, 1801, 2},  {7000, 10000, 442, 1},  {10000, 7000, 0, 0},
      {10000, 7000, -5, 0},
  };
  for (auto& c : cases) {
    layout(c.extentX, c.extentY, c.columns);
    EXPECT_EQ(app.drawSkip, c.skip) << c.extentX << " x " << c.extentY << ", " << c.columns << " columns";
  }
}

TEST(MapLayout, ExtentsOfOppositeSignsNeverDivideByAZeroPlotWidth) {
  // Corners out of order: 1 x -630 gives a scale of -1 and a plot width of 0.
  layout(1, -630, 10);
  EXPECT_EQ(static_cast<std::int16_t>(app.mapRight - app.mapLeft - 10), 0);
  EXPECT_EQ(app.drawSkip, 0);
  layout(1000000000, -1, 10);  // huge products wrap instead of overflowing
  EXPECT_EQ(app.mapScale, -630.0f);
}
