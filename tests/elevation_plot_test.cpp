#include <cmath>
#include <fstream>
#include <limits>

#include "display/elevation_plot.h"
#include "display/map_view.h"
#include "test_support.h"

namespace {

constexpr std::uint32_t rgb(int r, int g, int b) { return RGB(r, g, b); }
constexpr std::uint32_t kRed = 0x0000FF;

// The 10000 x 7000 layout (scale 0.09, frame 25, 28, 936, 668) with minX
// 500000 and minY 4000000; elevations 1000 m apart in y so each gets its own
// pixel row.
fixture::DemFile workedExampleDem() {
  fixture::DemFile dem = metricDem(500000, 4000000, 510000, 4007000, 1000);
  dem.elevationRange(100, 1300);
  return dem;
}

}  // namespace

TEST(ElevationColour, BandsAndTheirLimits) {
  struct Case {
    float v;
    std::uint32_t colour;
  } cases[] = {
      {0, rgb(0, 0, 50)},       {-0.5f, rgb(0, 0, 50)},    {-4.5f, rgb(0, 0, 10)},    {19.99f, rgb(0, 0, 240)},
      {20, rgb(0, 0, 255)},     {30, rgb(0, 120, 255)},    {39.9f, rgb(0, 228, 255)}, {40, rgb(0, 255, 255)},
      {59, rgb(0, 255, 27)},    {60, rgb(0, 255, 0)},      {79, rgb(0, 179, 0)},      {80, rgb(0, 160, 0)},
      {99, rgb(228, 236, 0)},   {100, rgb(255, 255, 0)},   {119, rgb(255, 160, 0)},   {120, rgb(255, 144, 0)},
      {139, rgb(255, 11, 0)},   {140, rgb(255, 15, 0)},    {159, rgb(160, 15, 0)},    {160, rgb(192, 0, 0)},
      {179, rgb(249, 0, 228)},  {180, rgb(255, 0, 255)},   {199, rgb(255, 133, 255)}, {200, rgb(238, 128, 238)},
      {219, rgb(143, 128, 143)}, {220, rgb(154, 154, 154)}, {240, rgb(254, 254, 254)},
      {std::nanf(""), rgb(0, 0, 50)}, {-std::numeric_limits<float>::infinity(), rgb(0, 0, 50)},
  };
  for (auto& c : cases) EXPECT_EQ(elevationColour(c.v), c.colour) << "v = " << c.v;
}

TEST(GroundToPixel, WorkedExample) {
  resetAppState();
  app.extentX = 10000, app.extentY = 7000, app.minX = 500000, app.minY = 4000000;
  app.mapCenterX = 480, app.mapCenterY = 350, app.mapScale = 0.09f;
  struct Case {
    float x, y;
    int px, py;
  } cases[] = {{505000, 4003500, 480, 350}, {500030, 4000000, 32, 664}, {500000, 4007000, 30, 34},
               {510000, 4000000, 930, 664}};
  for (auto& c : cases) {
    PixelPoint p = groundToPixel(c.x, c.y);
    EXPECT_EQ(p.x, c.px) << c.x << ", " << c.y;
    EXPECT_EQ(p.y, c.py) << c.x << ", " << c.y;
  }
}

using Plot = SessionTest;

TEST_F(Plot, PlacesAndColoursEachElevation) {
  fixture::DemFile dem = workedExampleDem();
  dem.profile(500000, 4000000, {100, 200, 300, 400, 500, 600, 700, 1000});  // y 4000000 ... 4007000
  dem.profile(500030, 4000000, {250});
  dem.profile(505000, 4003500, {700});
  dem.profile(510000, 4000000, {1300, 99999});
  ASSERT_EQ(open(dem), "");
  HWND w = session->window();
  EXPECT_EQ(headless::pixel(w, 30, 664), rgb(0, 0, 50));       // the profile's first elevation, at its own y
  EXPECT_EQ(headless::pixel(w, 30, 34), rgb(255, 0, 255));     // 1000: v = 180
  EXPECT_EQ(headless::pixel(w, 32, 664), rgb(0, 120, 255));    // 250: v = 30
  EXPECT_EQ(headless::pixel(w, 480, 350), rgb(255, 144, 0));   // 700: v = 120
  EXPECT_EQ(headless::pixel(w, 930, 664), rgb(254, 254, 254)); // the maximum
  EXPECT_EQ(headless::pixel(w, 930, 574), rgb(254, 254, 254)); // above the maximum
  EXPECT_EQ(headless::pixel(w, 31, 664), 0u);                  // only even pixels are set
}

TEST_F(Plot, FrameLineAndOutsideAreNotDrawn) {
  fixture::DemFile dem = workedExampleDem();
  dem.profile(505000, 4007080, {700});   // snaps onto mapTop (28)
  dem.profile(505010, 4007060, {700});   // snaps to 30, inside
  dem.profile(499000, 4003500, {700});   // west of the frame
  ASSERT_EQ(open(dem), "");
  HWND w = session->window();
  EXPECT_EQ(headless::pixel(w, 480, 28), kRed);
  EXPECT_EQ(headless::pixel(w, 480, 30), rgb(255, 144, 0));
  EXPECT_EQ(headless::pixel(w, 25, 350), kRed);  // the point west of the frame went nowhere
}

TEST_F(Plot, NoPointIsDrawnOverAnyOfTheFourFrameLines) {
  // 5000 x 5020 m: frame 162, 28, 800, 668, every line on an even pixel, so
  // a plotted (even) pixel can land on each of them.
  auto extentDem = [] {
    fixture::DemFile dem = metricDem(500000, 4000000, 505000, 4005020);
    dem.elevationRange(100, 1300);
    return dem;
  };
  ASSERT_EQ(open(extentDem().profile(502500, 4002510, {700})), "");
  ASSERT_EQ(app.mapLeft, 162);
  ASSERT_EQ(app.mapTop, 28);
  ASSERT_EQ(app.mapRight, 800);
  ASSERT_EQ(app.mapBottom, 668);
  // Ground positions whose pixel is the given one, found through the layout itself.
  auto groundX = [](int px) {
    for (int x = 499000; x < 506000; ++x)
      if (groundToPixel(float(x), 4002510).x == px) return x;
    return 0;
  };
  auto groundY = [](int py) {
    for (int y = 3999000; y < 4006000; ++y)
      if (groundToPixel(502500, float(y)).y == py) return y;
    return 0;
  };
  struct Edge {
    const char* name;
    int x, y;
  } edges[] = {
      {"left", groundX(162), 4002510}, {"right", groundX(800), 4002510},
      {"top", 502500, groundY(28)},    {"bottom", 502500, groundY(668)},
  };
  fixture::DemFile dem = extentDem();
  for (auto& e : edges) dem.profile(e.x, e.y, {700});
  ASSERT_EQ(open(dem), "");
  HWND w = session->window();
  for (auto& e : edges) {
    SCOPED_TRACE(e.name);
    PixelPoint at = groundToPixel(float(e.x), float(e.y));
    EXPECT_TRUE(at.x == 162 || at.x == 800 || at.y == 28 || at.y == 668) << at.x << ", " << at.y;
    EXPECT_EQ(headless::pixel(w, at.x, at.y), kRed);
  }
}

TEST_F(Plot, ThinningDrawsEveryOtherProfileAndElevation) {
  // Ten profiles 1000 m apart, five elevations 1000 m apart; with drawSkip 1
  // profiles 1, 3, 5, 7, 9 and in each elevations 1 and 3 are drawn.
  fixture::DemFile dem = workedExampleDem();
  for (int p = 0; p < 10; ++p) dem.profile(500000 + 1000 * p, 4000000, {700, 700, 700, 700, 700});
  ASSERT_EQ(open(dem), "");
  app.drawSkip = 1;
  SendMessageA(session->window(), WM_COMMAND, 40003, 0);  // Redraw with the thinning
  for (int p = 0; p < 10; ++p)
    for (int e = 0; e < 5; ++e) {
      PixelPoint at = groundToPixel(500000.0f + 1000 * p, 4000000.0f + 1000 * e);
      bool drawn = p % 2 == 1 && e % 2 == 1;
      EXPECT_EQ(headless::pixel(session->window(), at.x, at.y), drawn ? rgb(255, 144, 0) : 0u)
          << "profile " << p << ", elevation " << e;
    }
}

TEST_F(Plot, VoidMarkersAndElevationsCutByTheEndOfTheFileAreNotDrawn) {
  fixture::DemFile dem = workedExampleDem();
  dem.profile(505000, 4000000, {700, -32767, 700, 700});
  std::string bytes = dem.bytes();
  // Cut inside elevation 3: its field is no longer whole.
  bytes.resize(1024 + 144 + 3 * 6 + 3);
  std::string path = fixture::tempPath("cut.dem");
  std::ofstream(path, std::ios::binary) << bytes;
  ASSERT_EQ(session->open(path), "");
  HWND w = session->window();
  EXPECT_EQ(headless::pixel(w, 480, 664), rgb(255, 144, 0));
  EXPECT_EQ(headless::pixel(w, 480, 574), 0u);  // -32767
  EXPECT_EQ(headless::pixel(w, 480, 484), rgb(255, 144, 0));
  EXPECT_EQ(headless::pixel(w, 480, 394), 0u);  // cut short, not drawn as 0
}

TEST_F(Plot, NonWholeSpacingStepsByTheHeaderSpacing) {
  // A 1.4 m grid: elevation 50 of a profile lies 70 m north of its first.
  fixture::DemFile dem = workedExampleDem();
  dem.resolution(1.4, 1.4, 1).extent(0, 0, 140, 98);
  dem.profile(70, 0, std::vector<int>(71, 700));
  ASSERT_EQ(open(dem), "");
  EXPECT_EQ(app.gridSpacingY, 1);
  float y = 0;
  for (int i = 0; i < 70; ++i) y = y + 1.4f;
  PixelPoint last = groundToPixel(70, y), truncated = groundToPixel(70, 70);
  ASSERT_NE(last.y, truncated.y);
  EXPECT_EQ(headless::pixel(session->window(), last.x, last.y), rgb(255, 144, 0));
  EXPECT_EQ(headless::pixel(session->window(), truncated.x, truncated.y), rgb(255, 144, 0));  // elevation 50
}

TEST_F(Plot, FlatFileColoursByAboveOrBelow) {
  fixture::DemFile dem = workedExampleDem();
  dem.elevationRange(500, 500).profile(505000, 4000000, {500, 400, 600});
  ASSERT_EQ(open(dem), "");
  HWND w = session->window();
  EXPECT_EQ(headless::pixel(w, 480, 664), rgb(0, 0, 50));
  EXPECT_EQ(headless::pixel(w, 480, 574), rgb(0, 0, 50));
  EXPECT_EQ(headless::pixel(w, 480, 484), rgb(254, 254, 254));
}

TEST_F(Plot, ThinnedWalkEndsBeforeAProfileItCannotDraw) {
  // 1001 profiles 10 m apart on the 10000 x 7000 layout: drawSkip 1 draws
  // profiles 1, 3, ..., 999; profile 1000, alone at x = 930, is not drawn.
  fixture::DemFile dem = workedExampleDem();
  for (int p = 0; p < 1001; ++p) dem.profile(500000 + 10 * p, 4000000, {700, 700, 700});
  ASSERT_EQ(open(dem), "");
  EXPECT_EQ(app.drawSkip, 1);
  HWND w = session->window();
  EXPECT_EQ(headless::pixel(w, 928, 574), rgb(255, 144, 0));  // profile 999, elevation 1
  EXPECT_EQ(headless::pixel(w, 930, 574), 0u);                // profile 1000
  EXPECT_EQ(headless::pixel(w, 928, 664), 0u);                // elevation 0 is never drawn
  EXPECT_EQ(app.columnIndex, 1000);
}
