#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/resource.h"
#include "dem/conversions.h"
#include "export/export_dialog.h"
#include "export/elevation_text.h"
#include "export/point_writer.h"
#include "platform/dialogs/resources.h"
#include "test_support.h"

namespace {

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Two profiles of three elevations, 30 m apart, in metres.
fixture::DemFile twoProfileDem() {
  fixture::DemFile dem = metricDem(500000, 4100000, 500030, 4100060);
  dem.elevationRange(1200, 1250);
  dem.profile(500000, 4100000, {1200, 1210, 1220}).profile(500030, 4100000, {1230, 1240, 1250});
  return dem;
}

}  // namespace

class Export : public SessionTest {
 protected:
  // Runs the export as OK in the dialog runs it, for a rectangle in ground units.
  std::string exportRect(std::int32_t minX, std::int32_t minY, std::int32_t maxX, std::int32_t maxY, bool csv,
                         std::int16_t thin, const std::string& name = "points") {
    app.areaType = AreaType::Rectangle;
    app.selMinX = minX, app.selMinY = minY, app.selMaxX = maxX, app.selMaxY = maxY;
    return run(csv, thin, name);
  }
  std::string run(bool csv, std::int16_t thin, const std::string& name) {
    app.csvFormat = csv ? 1 : 0;
    app.removeCount = thin;
    out = fixture::tempPath(name);
    headless::answerSave(out);
    writeSelectedPoints(session->window());
    out += csv ? ".csv" : ".txt";  // the dialog appended the default extension
    return slurp(out);
  }
  std::string lastMessage() { return headless::messageBoxes().back().text; }
  std::string out;
};

TEST_F(Export, WorkedExampleByteForByte) {
  ASSERT_EQ(open(twoProfileDem()), "");
  EXPECT_EQ(exportRect(500000, 4100030, 500030, 4100060, true, 0),
            "500000,4100030,1210.0\r\n500000,4100060,1220.0\r\n500030,4100030,1240.0\r\n500030,4100060,1250.0\r\n");
  EXPECT_EQ(lastMessage(), "4 points written to " + out);
  EXPECT_EQ(headless::messageBoxes().back().caption, "File Saved");
  EXPECT_EQ(headless::messageBoxes().back().type, 0u);
  auto& save = headless::fileDialogs().back();
  EXPECT_TRUE(save.save);
  EXPECT_EQ(save.filter, (std::vector<std::string>{"CSV Files (*.csv)", "*.csv"}));
  EXPECT_EQ(save.flags, 0x80806u);
  EXPECT_EQ(save.defaultExtension, "csv");
  EXPECT_EQ(save.capacity, 260u);

  EXPECT_EQ(exportRect(500000, 4100030, 500030, 4100060, false, 0),
            "500000 4100030 1210.0\r\n500000 4100060 1220.0\r\n500030 4100030 1240.0\r\n500030 4100060 1250.0\r\n");
  EXPECT_EQ(headless::fileDialogs().back().filter, (std::vector<std::string>{"TXT Files (*.txt)", "*.txt"}));
  EXPECT_EQ(exportRect(500000, 4100030, 500030, 4100060, true, 1), "500030,4100030,1240.0\r\n");
  EXPECT_EQ(lastMessage(), "1 points written to " + out);
  EXPECT_EQ(exportRect(500000, 4100030, 500030, 4100060, true, -3).size(), 4u * 23);  // negative: no thinning
  EXPECT_EQ(exportRect(500000, 4100000, 500030, 4100060, true, 2), "");  // at least columnCount: nothing
  EXPECT_EQ(lastMessage(), "0 points written to " + out);
}

TEST_F(Export, ThinningVisitsEveryOtherProfileAndStepsYOverSkippedOnes) {
  fixture::DemFile dem = metricDem(0, 0, 270, 300);
  for (int p = 0; p < 9; ++p) dem.profile(30 * p, 0, {1, 2, 3, 4, 5, 6});
  ASSERT_EQ(open(dem), "");
  std::string lines = exportRect(-1000, -1000, 1000, 1000, true, 1);
  EXPECT_EQ(lines,
            "30,30,2.0\r\n30,90,4.0\r\n30,150,6.0\r\n90,30,2.0\r\n90,90,4.0\r\n90,150,6.0\r\n"
            "150,30,2.0\r\n150,90,4.0\r\n150,150,6.0\r\n210,30,2.0\r\n210,90,4.0\r\n210,150,6.0\r\n");
}

TEST_F(Export, CircleUsesTheTrueDistance) {
  fixture::DemFile dem = metricDem(0, 0, 70000, 100);
  dem.profile(0, 0, {1, 2, 3, 4}).profile(30, 0, {5}).profile(65536, 0, {9}).profile(40000, 0, {7});
  ASSERT_EQ(open(dem), "");
  app.areaType = AreaType::Circle;
  app.circleCenterX = 0, app.circleCenterY = 0, app.circleRadius = 30;
  // On the rim counts; 65536 m away is not inside, however it wraps in 16 bits.
  EXPECT_EQ(run(true, 0, "circle"), "0,0,1.0\r\n0,30,2.0\r\n30,0,5.0\r\n");
  app.circleRadius = 40000;  // a ground radius above 32767 is kept whole
  EXPECT_EQ(run(true, 0, "wide").find("40000,0,7.0\r\n") != std::string::npos, true);
}

TEST(ElevationText, SixSignificantDigitsThenOneDecimal) {
  struct Case {
    float value;
    const char* text;
  } cases[] = {
      {1234, "1234.0"},     {12.96f, "12.9"},     {float(1000 * 0.3048), "304.8"}, {float(4050 * 0.3048f), "1234.4"},
      {0, "0.0"},           {0.5f, ".5"},         {-86, "-86.0"},                  {-0.0f, "0.0"},
      {99999.94f, "99999.9"}, {123456.7f, "123456.7"}, {-1e6f, "-1000000.0"},      {0.05f, ".0"},
      {-0.05f, "-.0"},      {0.09999996f, ".1"},  {3.4e38f, "339999995214436424907732413799364296704.0"},
      {123456.96f, "123456.9"},  // the tenth is cut, never rounded up into the integer digits
  };
  for (auto& c : cases) {
    char text[48];
    formatElevation(c.value, text, sizeof text);
    EXPECT_STREQ(text, c.text) << c.value;
  }
}

// The rule as it reads, through printf's own six-digit rounding: d1 to d6
// and the point's place p, then d1 ... dp, ".", d(p+1); below 0.1, ".0".
std::string referenceElevationText(float value) {
  double magnitude = std::fabs(double(value));
  char digits[32];
  std::snprintf(digits, sizeof digits, "%.5e", magnitude);
  int p = magnitude == 0 ? 1 : std::atoi(digits + 8) + 1;
  std::string six = {digits[0], digits[2], digits[3], digits[4], digits[5], digits[6]};
  std::string text = std::signbit(value) && magnitude != 0 ? "-" : "";
  if (p < 0) return text + ".0";
  return text + six.substr(0, std::size_t(p)) + "." + six[std::size_t(p)];
}

TEST(ElevationText, EveryStoredValueAtTheUsualResolutionsFollowsTheRule) {
  for (float vertRes : {1.0f, 0.1f, 0.5f, 0.001844f})
    for (bool feet : {false, true})
      for (int stored = -32767; stored <= 32767; ++stored) {
        float z = toSingle(double(stored) * vertRes);  // as the writer forms it
        if (feet) z = toSingle(z * 0.3048);
        char text[48];
        std::size_t length = formatElevation(z, text, sizeof text);
        ASSERT_EQ(text, referenceElevationText(z)) << stored << " x " << vertRes << (feet ? " feet" : "");
        ASSERT_EQ(length, std::strlen(text));
      }
}

TEST_F(Export, FeetAreWrittenAsMetres) {
  fixture::DemFile dem = twoProfileDem();
  dem.units(2, 1).profile(500060, 4100000, {1000});
  ASSERT_EQ(open(dem), "");
  EXPECT_EQ(exportRect(500060, 4100000, 500060, 4100000, true, 0), "500060,4100000,304.8\r\n");
}

TEST_F(Export, CancelledSaveWritesAndShowsNothing) {
  ASSERT_EQ(open(twoProfileDem()), "");
  std::size_t boxes = headless::messageBoxes().size();
  app.csvFormat = 1;
  writeSelectedPoints(session->window());  // no answer: cancelled
  EXPECT_EQ(headless::messageBoxes().size(), boxes);
  EXPECT_EQ(headless::currentCursor(), 32512);
}

TEST_F(Export, AnExistingFileIsAskedAboutAndEmptiedAtOnce) {
  ASSERT_EQ(open(twoProfileDem()), "");
  std::string path = fixture::tempPath("existing.csv");
  std::ofstream(path) << "old content\n";
  app.areaType = AreaType::Rectangle;
  app.selMinX = app.selMaxX = 1, app.selMinY = app.selMaxY = 1;  // catches nothing
  app.csvFormat = 1;
  headless::answerOverwrite(false);  // "no": the dialog asks again, and the next answer is a cancel
  headless::answerSave(path);
  writeSelectedPoints(session->window());
  EXPECT_EQ(slurp(path), "old content\n");
  headless::answerSave(path);
  writeSelectedPoints(session->window());
  EXPECT_EQ(headless::overwritePrompts(), (std::vector<std::string>{path, path}));
  EXPECT_EQ(slurp(path), "");
  EXPECT_EQ(lastMessage(), "0 points written to " + path);
}

TEST_F(Export, FailuresAreReportedNeverAsWritten) {
  ASSERT_EQ(open(twoProfileDem()), "");
  app.areaType = AreaType::Rectangle;
  app.selMinX = 0, app.selMaxX = 600000, app.selMinY = 0, app.selMaxY = 5000000;
  app.csvFormat = 1;
  struct Case {
    const char* name;
    std::string path;
  } cases[] = {
      {"a folder in the file's place", fixture::tempPath("folder.csv")},
      {"a device that takes no bytes", fixture::tempPath("full.csv")},
  };
  std::filesystem::create_directories(cases[0].path);
  std::filesystem::remove(cases[1].path);
  std::filesystem::create_symlink("/dev/full", cases[1].path);
  for (auto& c : cases) {
    SCOPED_TRACE(c.name);
    headless::answerSave(c.path);
    writeSelectedPoints(session->window());
    EXPECT_EQ(headless::messageBoxes().back().caption, "Error");
    EXPECT_EQ(lastMessage(), "The point file could not be written:\n" + c.path);
    EXPECT_EQ(headless::messageBoxes().back().type, 0x30u);
  }

  std::filesystem::remove(app.demPath);  // the DEM is gone since it was opened
  headless::answerSave(fixture::tempPath("after.csv"));
  writeSelectedPoints(session->window());
  EXPECT_EQ(lastMessage(), std::string("The DEM file could not be opened:\n") + app.demPath);
}

TEST_F(Export, ADemThatEndsEarlyGivesNoMadeUpPoints) {
  struct Case {
    const char* name;
    std::size_t length;
    const char* points;
    int count;
  } cases[] = {
      // Inside profile 1's second elevation: the cut elevation is left out.
      {"cut inside an elevation", 2048 + 144 + 6 + 2,
       "500000,4100000,1200.0\r\n500000,4100030,1210.0\r\n500000,4100060,1220.0\r\n500030,4100000,1230.0\r\n", 4},
      // At a profile boundary, as after a broken download: profile 1 is missing whole.
      {"cut at a profile boundary", 2048,
       "500000,4100000,1200.0\r\n500000,4100030,1210.0\r\n500000,4100060,1220.0\r\n", 3},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string bytes = twoProfileDem().bytes();
    bytes.resize(c.length);
    std::string path = fixture::tempPath("short.dem");
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    ASSERT_EQ(session->open(path), "");
    EXPECT_EQ(exportRect(0, 0, 600000, 5000000, true, 0, "short"), c.points);
    EXPECT_EQ(headless::messageBoxes().back().caption, "Error");
    EXPECT_EQ(lastMessage(), "The DEM file ended early.\n" + std::to_string(c.count) + " points written to " + out);
  }
}

TEST_F(Export, TheDemFileItselfIsNeverReplaced) {
  std::filesystem::path dem = fixture::DemFile(twoProfileDem()).write(fixture::tempPath("own.dem"));
  ASSERT_EQ(session->open(dem.string()), "");
  const std::string original = slurp(dem.string());
  std::filesystem::path folder = dem.parent_path();
  std::filesystem::create_directories(folder / "sub");
  std::filesystem::path symlink = folder / "own-link.dem", hardlink = folder / "own-hard.dem";
  std::filesystem::remove(symlink);
  std::filesystem::remove(hardlink);
  std::filesystem::create_symlink(dem, symlink);
  std::filesystem::create_hard_link(dem, hardlink);
  std::string spellings[] = {
      dem.string(),
      std::filesystem::relative(dem).string(),
      (folder / "sub" / ".." / dem.filename()).string(),
      symlink.string(),
      hardlink.string(),
  };
  app.areaType = AreaType::Rectangle;
  app.selMinX = 0, app.selMaxX = 600000, app.selMinY = 0, app.selMaxY = 5000000;
  app.csvFormat = 1;
  for (auto& path : spellings) {
    SCOPED_TRACE(path);
    headless::answerSave(path);
    writeSelectedPoints(session->window());
    EXPECT_EQ(lastMessage(), "The point file would replace the DEM file it is read from:\n" + path);
    EXPECT_EQ(headless::messageBoxes().back().caption, "Error");
    EXPECT_EQ(headless::messageBoxes().back().type, 0x30u);
    EXPECT_EQ(slurp(dem.string()), original);
    EXPECT_EQ(headless::currentCursor(), 32512);
  }
  // A file of the same name in another folder is a file of its own.
  std::string sameName = (folder / "sub" / dem.filename()).string();
  headless::answerSave(sameName);
  writeSelectedPoints(session->window());
  EXPECT_EQ(lastMessage(), "6 points written to " + sameName);
}

TEST_F(Export, DialogStartsFreshEachTimeAndHandsOverOnOk) {
  ASSERT_EQ(open(twoProfileDem()), "");
  HWND w = session->window();
  app.selCols = 68, app.selRows = 103;
  struct Seen {
    bool comma;
    std::string cols, rows, count, caption;
  };
  std::vector<Seen> seen;
  auto look = [&](HWND dialog) {
    seen.push_back({headless::itemChecked(dialog, IDC_COMMA), headless::itemText(dialog, IDC_COLS),
                    headless::itemText(dialog, IDC_ROWS), headless::itemText(dialog, IDC_REMOVE),
                    headless::dialogCaption(dialog)});
  };
  headless::answerDialog([&](HWND dialog) {
    look(dialog);
    headless::clickButton(dialog, IDC_SPACE);
    headless::typeInto(dialog, IDC_REMOVE, "3x45");  // letters refused; two digits fit
    EXPECT_EQ(headless::itemText(dialog, IDC_REMOVE), "34");
    EXPECT_FALSE(headless::itemChecked(dialog, IDC_COMMA));
    headless::clickButton(dialog, IDOK);
  });
  headless::answerSave(fixture::tempPath("dialog"));
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_EXPORT), w, exportDialogProc, 0);
  EXPECT_EQ(app.removeCount, 34);
  EXPECT_EQ(app.csvFormat, 0);
  EXPECT_EQ(headless::fileDialogs().back().defaultExtension, "txt");
  EXPECT_NE(headless::fileDialogs().back().owner, w);  // the dialog owns the Save dialog

  headless::answerDialog([&](HWND dialog) {
    look(dialog);
    headless::typeInto(dialog, IDC_REMOVE, "");
    headless::clickButton(dialog, IDOK);
  });
  headless::answerSave(fixture::tempPath("empty-count"));
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_EXPORT), w, exportDialogProc, 0);
  EXPECT_EQ(app.removeCount, 0);  // an empty field is no thinning
  EXPECT_EQ(app.csvFormat, 1);

  std::size_t saves = headless::fileDialogs().size();
  headless::answerDialog([&](HWND dialog) { headless::clickButton(dialog, IDCANCEL); });
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_EXPORT), w, exportDialogProc, 0);
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_EXPORT), w, exportDialogProc, 0);  // Esc
  EXPECT_EQ(headless::fileDialogs().size(), saves);
  EXPECT_EQ(app.csvFormat, 1);

  ASSERT_EQ(seen.size(), 2u);
  for (auto& s : seen) {
    EXPECT_TRUE(s.comma);
    EXPECT_EQ(s.cols, "68");
    EXPECT_EQ(s.rows, "103");
    EXPECT_EQ(s.count, "0");
    EXPECT_EQ(s.caption, "Write File As");
  }
}

TEST(WholeSession, FromOpenToTheWrittenFile) {
  headless::reset();
  resetAppState();
  headless::answerOpen(validDem().write(fixture::tempPath("whole.dem")));
  std::string out = fixture::tempPath("whole-session");
  headless::answerSave(out);
  headless::answerDialog([](HWND dialog) { headless::clickButton(dialog, IDOK); });
  auto w = [] { return headless::mainWindow(); };
  headless::script([&] { PostMessageA(w(), WM_COMMAND, IDM_OPEN, 0); });
  headless::script([&] { headless::press(w(), 20, 20); });  // clamped to the frame's top left corner
  headless::script([&] { headless::move(w(), 940, 690); });
  headless::script([&] { headless::release(w(), 940, 690); });
  headless::script([&] { PostMessageA(w(), WM_COMMAND, IDM_EXIT, 0); });
  EXPECT_EQ(WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWDEFAULT), 0);
  EXPECT_EQ(slurp(out + ".csv"), "500000,4000000,100.0\r\n500000,4000030,200.0\r\n500000,4000060,300.0\r\n");
  EXPECT_EQ(headless::messageBoxes().back().text, "3 points written to " + out + ".csv");
  headless::reset();
}

TEST(ExportDialog, TemplateComesFromTheResourceScript) {
  const platform::DialogTemplate* t = platform::findDialogTemplate(IDD_EXPORT);
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->style, 0x80C800C0u);
  EXPECT_EQ(t->x, 250);
  EXPECT_EQ(t->y, 100);
  EXPECT_EQ(t->width, 140);
  EXPECT_EQ(t->height, 120);
  EXPECT_EQ(t->caption, "Write File As");
  EXPECT_EQ(t->fontSize, 8);
  EXPECT_EQ(t->fontFace, "MS Sans Serif");
  struct Control {
    const char* className;
    int id;
    const char* text;
    int x, y, width, height;
    DWORD style;
  } controls[] = {
      {"Static", -1, "Approx. ", 6, 8, 25, 10, 0x50020000},
      {"Static", 1003, "0000", 29, 8, 20, 10, 0x50020001},
      {"Static", -1, "cols,", 51, 8, 16, 10, 0x50020000},
      {"Static", 1004, "0000", 67, 8, 20, 10, 0x50020001},
      {"Static", -1, "rows selected.", 90, 8, 45, 10, 0x50020000},
      {"Button", -1, "Select File Type", 10, 24, 120, 45, 0x50010007},
      {"Button", 1001, "Comma Separated File (*.csv)", 17, 35, 110, 14, 0x50000009},
      {"Button", 1002, "Space Separated File (*.txt)", 17, 50, 110, 14, 0x50000009},
      {"Static", -1, "No. of Col/Rows to remove.", 14, 77, 100, 8, 0x50020000},
      {"Edit", 1005, "", 105, 77, 10, 10, 0x50812001},
      {"Button", 1, "OK", 15, 98, 50, 14, 0x50010001},
      {"Button", 2, "Cancel", 75, 98, 50, 14, 0x50010000},
  };
  ASSERT_EQ(t->controls.size(), 12u);
  for (int i = 0; i < 12; ++i) {
    SCOPED_TRACE(controls[i].text);
    auto& c = t->controls[i];
    EXPECT_EQ(c.className, controls[i].className);
    EXPECT_EQ(c.id, controls[i].id);
    EXPECT_EQ(c.text, controls[i].text);
    EXPECT_EQ(c.x, controls[i].x);
    EXPECT_EQ(c.y, controls[i].y);
    EXPECT_EQ(c.width, controls[i].width);
    EXPECT_EQ(c.height, controls[i].height);
    EXPECT_EQ(c.style, controls[i].style);
  }
}
