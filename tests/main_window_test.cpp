#include <algorithm>

#include "app/main_window.h"
#include "app/resource.h"
#include "app/open_command.h"
#include "dem/header_reader.h"
#include "test_support.h"

namespace {

constexpr UINT kTitleAlign = TA_CENTER | TA_BASELINE;

void command(HWND window, int id) { SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(id), 0); }

}  // namespace

using MainWindow = SessionTest;

TEST_F(MainWindow, HasTheMenuCaptionAndClientAreaOfTheRealWindow) {
  HWND w = session->window();
  EXPECT_EQ(headless::windowTitle(w), "Tarnwick v1.4 (https://tarnwick.example.org)");
  EXPECT_EQ(headless::clientWidth(w), 954);
  EXPECT_EQ(headless::clientHeight(w), 696);
  EXPECT_EQ(headless::menuTexts(w),
            (std::vector<std::string>{"&File", "&Open", "E&xit", "&AreaType", "&Rectangle", "&Circle", "&Redraw"}));
  EXPECT_TRUE(headless::menuChecked(w, IDM_RECTANGLE));
  EXPECT_FALSE(headless::menuChecked(w, IDM_CIRCLE));
}

TEST_F(MainWindow, AreaTypeCommandsMoveTheOneCheckMark) {
  HWND w = session->window();
  command(w, IDM_CIRCLE);
  EXPECT_EQ(app.areaType, 0);
  EXPECT_TRUE(headless::menuChecked(w, IDM_CIRCLE));
  EXPECT_FALSE(headless::menuChecked(w, IDM_RECTANGLE));
  command(w, IDM_RECTANGLE);
  command(w, IDM_RECTANGLE);
  EXPECT_EQ(app.areaType, 1);
  EXPECT_TRUE(headless::menuChecked(w, IDM_RECTANGLE));
  EXPECT_FALSE(headless::menuChecked(w, IDM_CIRCLE));
  command(w, 40099);  // unknown commands are ignored
  EXPECT_EQ(app.areaType, 1);
}

TEST_F(MainWindow, RedrawOnlyAfterAnAcceptedFileAndAlwaysTheSamePicture) {
  HWND w = session->window();
  command(w, IDM_REDRAW);  // nothing opened yet
  EXPECT_EQ(app.mapShown, 0);
  EXPECT_TRUE(headless::texts().empty());

  ASSERT_EQ(open(validDem()), "");
  EXPECT_EQ(app.mapShown, 1);
  auto firstPaint = headless::pixels(w);
  command(w, IDM_REDRAW);
  EXPECT_EQ(app.mapShown, 1);
  EXPECT_EQ(headless::pixels(w), firstPaint);
  command(w, IDM_REDRAW);
  EXPECT_EQ(headless::pixels(w), firstPaint);

  fixture::DemFile dash = validDem();
  dash.put(0, std::string(40, ' ')).producer("Elkhorn Pk,MON-24000 - by Qarn");
  ASSERT_EQ(open(dash), "");
  EXPECT_EQ(app.mapShown, 4);
  command(w, IDM_REDRAW);
  EXPECT_EQ(app.mapShown, 1);

  openDemFile(w);  // cancelled: black, and Redraw does nothing
  command(w, IDM_REDRAW);
  auto& p = headless::pixels(w);
  EXPECT_TRUE(std::all_of(p.begin(), p.end(), [](std::uint32_t c) { return c == 0; }));
  EXPECT_EQ(app.mapShown, 0);
}

TEST_F(MainWindow, BannerTextsAndPositions) {
  fixture::DemFile dem = validDem();
  dem.extent(500000, 4000000, 512000, 4006000);  // width-limited: frame 118 to 578
  ASSERT_EQ(open(dem, "MAP_01.DEM"), "");
  auto texts = headless::texts();
  ASSERT_EQ(texts.size(), 10u);
  EXPECT_EQ(texts[0].text, "Topo Name: Digital Elevation Model by Qarn");
  EXPECT_EQ(texts[0].x, 480);
  EXPECT_EQ(texts[0].y, 110);
  EXPECT_EQ(texts[0].align, kTitleAlign);
  EXPECT_EQ(texts[0].height, 30);
  EXPECT_EQ(texts[0].weight, 700);
  EXPECT_TRUE(texts[0].italic);
  struct Row {
    const char* text;
    int x, y;
  } rows[] = {
      {"V.Data: NGV29", 760, 6},          {"Zone: 17", 885, 6},
      {"Filename: map_01.dem", 4, 6},     {"Grid Sp: 30 meters", 20, 582},
      {"Min. El: 100.0", 170, 582},       {"Max. El: 1300.0", 310, 582},
      {"Vert Res: 1.0 meters", 455, 582}, {"No. Cols: 1", 635, 582},
      {"Total # Points: 3", 765, 582},
  };
  for (int i = 0; i < 9; ++i) {
    SCOPED_TRACE(rows[i].text);
    EXPECT_EQ(texts[i + 1].text, rows[i].text);
    EXPECT_EQ(texts[i + 1].x, rows[i].x);
    EXPECT_EQ(texts[i + 1].y, rows[i].y);
    EXPECT_EQ(texts[i + 1].align, 0u);
    EXPECT_EQ(texts[i + 1].height, 18);
    EXPECT_EQ(texts[i + 1].weight, 700);
    EXPECT_FALSE(texts[i + 1].italic);
    EXPECT_EQ(texts[i + 1].colour, 0xFFFFFFu);
  }
  // The frame: a 3-pixel red line around a black box.
  HWND w = session->window();
  EXPECT_EQ(headless::pixel(w, app.mapLeft, 300), 0x0000FFu);
  EXPECT_EQ(headless::pixel(w, app.mapLeft - 1, 300), 0x0000FFu);
  EXPECT_EQ(headless::pixel(w, app.mapLeft + 1, 300), 0x0000FFu);
  EXPECT_EQ(headless::pixel(w, app.mapLeft - 2, 300), 0u);
  EXPECT_EQ(headless::pixel(w, 400, app.mapTop), 0x0000FFu);
  EXPECT_EQ(headless::pixel(w, 400, app.mapBottom - 1), 0x0000FFu);
}

TEST_F(MainWindow, DatumNamesAndAnEmptyTitle) {
  struct Case {
    int datum;
    const char* text;
  } cases[] = {{1, "V.Data: Sea Level"}, {2, "V.Data: NGV29"}, {3, "V.Data: NGVD88"}, {0, "V.Data: ? ?"},
               {4, "V.Data: ? ?"}};
  for (auto& c : cases) {
    SetUp();
    fixture::DemFile dem = validDem();
    dem.datum(c.datum);
    ASSERT_EQ(open(dem), "");
    EXPECT_EQ(headless::texts()[1].text, c.text);
  }
  app.topoName[0] = '\0';
  headless::clearTexts();
  command(session->window(), IDM_REDRAW);
  EXPECT_EQ(headless::texts()[0].text, "Topo Name: ");
  EXPECT_EQ(headless::texts()[0].x, 480);
}

TEST(WinMainSession, OpensDrawsAndExitsWithCodeZero) {
  headless::reset();
  resetAppState();
  std::string path = validDem().write(fixture::tempPath("session.dem"));
  headless::answerOpen(path);
  headless::script([] { PostMessageA(headless::mainWindow(), WM_COMMAND, IDM_OPEN, 0); });
  headless::script([] { PostMessageA(headless::mainWindow(), WM_COMMAND, IDM_EXIT, 0); });
  EXPECT_EQ(WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWDEFAULT), 0);
  EXPECT_EQ(app.mapShown, 1);
  EXPECT_EQ(headless::texts().size(), 10u);
  EXPECT_EQ(headless::messageBoxes().size(), 1u);  // the first-use note
  EXPECT_FALSE(app.demStream.isOpen());
  headless::reset();
}

TEST(WinMainSession, EndsWhenTheUserHasNothingMoreToDo) {
  headless::reset();
  resetAppState();
  EXPECT_EQ(WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWDEFAULT), 0);
  headless::reset();
}
