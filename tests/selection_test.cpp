#include <algorithm>
#include <cmath>
#include <set>

#include "app/resource.h"
#include "selection/drag_tracking.h"
#include "test_support.h"

namespace {

// 10000 x 13000 m at 30 m: frame 233, 29, 728, 668 and scale 630/13000.
fixture::DemFile tallDem() {
  fixture::DemFile dem = metricDem(500000, 4000000, 510000, 4013000);
  dem.elevationRange(0, 1000);
  for (int p = 0; p < 40; ++p) dem.profile(500000 + 250 * p, 4000000, std::vector<int>(400, 25 * p));
  return dem;
}

using Pixels = std::vector<std::uint32_t>;

// The pixels that differ from `before`, each of which must be inverted.
std::vector<std::pair<int, int>> invertedPixels(HWND w, const Pixels& before) {
  std::vector<std::pair<int, int>> changed;
  const Pixels& now = headless::pixels(w);
  for (std::size_t i = 0; i < now.size(); ++i)
    if (now[i] != before[i]) {
      EXPECT_EQ(now[i], ~before[i] & 0xFFFFFFu);
      changed.push_back({int(i % 954), int(i / 954)});
    }
  return changed;
}

}  // namespace

class Selection : public SessionTest {
 protected:
  void SetUp() override {
    SessionTest::SetUp();
    ASSERT_EQ(open(tallDem()), "");
    w = session->window();
  }
  // Drag from a to b (one move) and release at b; returns the dialogs opened.
  int drag(int ax, int ay, int bx, int by) {
    int dialogs = 0;
    headless::answerDialog([&](HWND dialog) {
      ++dialogs;
      headless::clickButton(dialog, IDCANCEL);
    });
    headless::press(w, ax, ay);
    headless::move(w, bx, by);
    headless::release(w, bx, by);
    return dialogs;
  }
  HWND w = nullptr;
};

TEST_F(Selection, RectangleBandIsOneOutlineAndLeavesNoTrace) {
  Pixels map = headless::pixels(w);
  headless::press(w, 400, 300);
  struct Move {
    int x, y;
  } moves[] = {{500, 400}, {350, 250}, {401, 500}, {600, 310}, {420, 301}};
  for (auto& m : moves) {
    headless::move(w, m.x, m.y);
    auto changed = invertedPixels(w, map);
    int width = std::abs(m.x - 400), height = std::abs(m.y - 300);
    EXPECT_EQ(changed.size(), std::size_t(2 * (width + height))) << m.x << ", " << m.y;
    for (auto& [x, y] : changed)
      EXPECT_TRUE(x == 400 || x == m.x || y == 300 || y == m.y) << x << ", " << y;
  }
  headless::release(w, 402, 302);  // too small: dropped
  EXPECT_EQ(headless::pixels(w), map);
  EXPECT_EQ(app.bandDrawn, 0);
  EXPECT_EQ(app.mapShown, 1);
  EXPECT_EQ(headless::capture(), nullptr);
  EXPECT_FALSE(headless::clipActive());
}

TEST_F(Selection, CircleBandFitsInsideTheFrameOrVanishes) {
  SendMessageA(w, WM_COMMAND, IDM_CIRCLE, 0);
  Pixels map = headless::pixels(w);
  int ax = app.mapLeft + 10, ay = 350;
  headless::press(w, ax, ay);
  headless::move(w, ax + 10, ay);
  EXPECT_EQ(app.circleFits, 1);
  auto ring = invertedPixels(w, map);
  ASSERT_FALSE(ring.empty());
  // Symmetric about its centre (ax - 0.5, ay - 0.5): each pixel's mirror images are in the ring too.
  std::set<std::pair<int, int>> pixels(ring.begin(), ring.end());
  for (auto& [x, y] : ring) {
    EXPECT_TRUE(pixels.count({2 * ax - 1 - x, y})) << x << ", " << y;
    EXPECT_TRUE(pixels.count({x, 2 * ay - 1 - y})) << x << ", " << y;
  }
  for (auto& [x, y] : ring) {
    double d = std::hypot(x - (ax - 0.5), y - (ay - 0.5));
    EXPECT_NEAR(d, 9.5, 1.0) << x << ", " << y;
    EXPECT_GE(x, ax - 10);
    EXPECT_LT(x, ax + 10);
  }
  headless::move(w, ax + 11, ay);  // r = 11 reaches past mapLeft: removed, none drawn
  EXPECT_EQ(app.circleFits, 0);
  EXPECT_EQ(app.bandDrawn, 0);
  EXPECT_EQ(headless::pixels(w), map);
  headless::move(w, ax, ay + 3);  // back in
  EXPECT_EQ(app.bandDrawn, 1);
  headless::release(w, ax, ay + 3);  // 6 pixels across: too small for six grid columns
  EXPECT_EQ(headless::pixels(w), map);

  headless::press(w, app.mapLeft, 300);  // on the left side: only r = 0 fits
  headless::move(w, app.mapLeft + 1, 300);
  EXPECT_EQ(app.circleFits, 0);
  headless::move(w, app.mapLeft, 300);
  EXPECT_EQ(app.circleFits, 1);
  headless::release(w, app.mapLeft, 300);

  int bx = app.mapRight - 21;  // grows until anchorX + r = mapRight
  headless::press(w, bx, 350);
  headless::move(w, bx + 20, 350);
  EXPECT_EQ(app.circleFits, 1);
  headless::move(w, bx + 20, 357);  // r = 21: the cursor itself cannot reach mapRight
  EXPECT_EQ(app.circleFits, 0);
  headless::release(w, bx + 20, 357);  // a circle not on the screen: only the mouse is freed
  EXPECT_EQ(headless::pixels(w), map);
  EXPECT_EQ(app.mapShown, 1);
}

TEST_F(Selection, PressClampsIntoTheFrameAndConfinesTheCursor) {
  SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 10));  // left of the map, on the banner
  EXPECT_EQ(app.anchorX, app.mapLeft);
  EXPECT_EQ(app.anchorY, app.mapTop);
  EXPECT_EQ(headless::capture(), w);
  ASSERT_TRUE(headless::clipActive());
  RECT clip = headless::clipRect();
  EXPECT_EQ(clip.left, app.mapLeft + 3);
  EXPECT_EQ(clip.top, app.mapTop + 3 + 19 + 19);
  EXPECT_EQ(clip.right, app.mapRight + 3);
  EXPECT_EQ(clip.bottom, app.mapBottom + 41);
  headless::move(w, 2000, 2000);  // held inside the clip: right and bottom edges are outside it
  EXPECT_EQ(app.dragX, app.mapRight - 1);
  EXPECT_EQ(app.dragY, app.mapBottom - 1);
  SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(app.mapRight, app.mapBottom));  // on the frame: kept
  EXPECT_EQ(app.anchorX, app.mapRight);
  EXPECT_EQ(app.anchorY, app.mapBottom);
}

TEST_F(Selection, NothingHappensWithoutAMap) {
  SendMessageA(w, WM_COMMAND, IDM_OPEN, 0);  // cancelled: no map
  headless::press(w, 400, 300);
  EXPECT_EQ(headless::capture(), nullptr);
  EXPECT_FALSE(headless::clipActive());
  Pixels black = headless::pixels(w);
  headless::move(w, 500, 400);
  EXPECT_EQ(headless::pixels(w), black);
  EXPECT_EQ(app.bandDrawn, 0);
  SendMessageA(w, WM_COMMAND, IDM_REDRAW, 0);  // the last file was not accepted: no map either
  headless::move(w, 500, 400, 0);              // no button
  EXPECT_EQ(app.bandDrawn, 0);
}

TEST_F(Selection, ReleaseConvertsToGroundBoundsAndEstimates) {
  ASSERT_EQ(app.mapLeft, 233);
  ASSERT_EQ(app.mapTop, 29);
  ASSERT_EQ(app.mapBottom, 668);
  struct Case {
    int ax, ay, bx, by;
    std::int32_t minX, maxX, minY, maxY;
    std::int16_t cols, rows;
    int dialogs;
  } cases[] = {
      {400, 250, 300, 100, 501279, 503342, 4008522, 4011617, 68, 103, 1},  // up and left
      {300, 100, 400, 250, 501279, 503342, 4008522, 4011617, 68, 103, 1},
      {300, 100, 305, 103, 501279, 501382, 4011555, 4011616, 3, 2, 0},     // too small
      {233, 100, 400, 666, 499897, 503343, 3999939, 4011618, 114, 389, 1}, // inside the margins
      {300, 300, 300, 300, 501279, 501279, 4007490, 4007490, 0, 0, 0},     // a click
      {300, 100, 309, 109, 501279, 501464, 4011431, 4011616, 6, 6, 1},     // the smallest that opens the dialog
      {300, 100, 308, 109, 501279, 501444, 4011431, 4011616, 5, 6, 0},
      {300, 100, 309, 108, 501279, 501464, 4011452, 4011617, 6, 5, 0},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.ax << "," << c.ay << " to " << c.bx << "," << c.by);
    SendMessageA(w, WM_COMMAND, IDM_REDRAW, 0);
    EXPECT_EQ(drag(c.ax, c.ay, c.bx, c.by), c.dialogs);
    EXPECT_EQ(app.selMinX, c.minX);
    EXPECT_EQ(app.selMaxX, c.maxX);
    EXPECT_EQ(app.selMinY, c.minY);
    EXPECT_EQ(app.selMaxY, c.maxY);
    EXPECT_EQ(app.selCols, c.cols);
    EXPECT_EQ(app.selRows, c.rows);
    EXPECT_EQ(app.mapShown, c.dialogs ? 0 : 1);
    if (c.dialogs) {
      auto& p = headless::pixels(w);
      EXPECT_TRUE(std::all_of(p.begin(), p.end(), [](std::uint32_t v) { return v == 0; }));
    }
  }
}

TEST_F(Selection, CircleReleaseGivesCentreAndRadius) {
  SendMessageA(w, WM_COMMAND, IDM_CIRCLE, 0);
  EXPECT_EQ(drag(480, 350, 520, 380), 1);
  EXPECT_EQ(app.selLeft, 430);
  EXPECT_EQ(app.selRight, 530);
  EXPECT_EQ(app.selMinX, 503961);
  EXPECT_EQ(app.selMaxX, 506024);
  EXPECT_EQ(app.selMinY, 4005426);
  EXPECT_EQ(app.selMaxY, 4007489);
  EXPECT_EQ(app.circleRadius, 1031);
  EXPECT_EQ(app.circleCenterX, 505096);
  EXPECT_EQ(app.circleCenterY, 4006377);
  EXPECT_EQ(app.selCols, 68);
  EXPECT_EQ(app.selRows, 68);

  SendMessageA(w, WM_COMMAND, IDM_REDRAW, 0);  // a press and release with no move: nothing but the mouse freed
  headless::press(w, 480, 350);
  headless::release(w, 520, 380);
  EXPECT_EQ(app.mapShown, 1);
  EXPECT_FALSE(headless::clipActive());
}

TEST_F(Selection, ReleaseWithoutAPressUsesTheLastAnchor) {
  int dialogs = 0;
  headless::answerDialog([&](HWND dialog) {
    ++dialogs;
    headless::clickButton(dialog, IDCANCEL);
  });
  SendMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(400, 300));  // from (0, 0), never clamped
  EXPECT_EQ(app.selLeft, 0);
  EXPECT_EQ(app.selTop, 0);
  EXPECT_EQ(dialogs, 1);
}

TEST_F(Selection, NonWholeSpacingEstimatesDivideByTheExactSpacing) {
  fixture::DemFile lidar = tallDem();
  lidar.resolution(0.5, 0.5, 1);
  ASSERT_EQ(open(lidar), "");
  EXPECT_EQ(app.gridSpacingX, 0);
  EXPECT_EQ(drag(300, 100, 305, 103), 1);  // 103 m is 206 half-metre columns
  EXPECT_EQ(app.selCols, 206);

  fixture::DemFile none = tallDem();
  none.resolution(0, 0, 1);
  ASSERT_EQ(open(none), "");
  EXPECT_EQ(drag(300, 100, 400, 250), 0);  // no spacing: no estimate, nothing divided by zero
  EXPECT_EQ(app.selCols, 0);
}
