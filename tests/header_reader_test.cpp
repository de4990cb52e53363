#include <algorithm>
#include <cstring>
#include <fstream>

#include "app/open_command.h"
#include "dem/header_reader.h"
#include "test_support.h"

namespace {

bool allBlack(HWND window) {
  auto& p = headless::pixels(window);
  return std::all_of(p.begin(), p.end(), [](std::uint32_t c) { return c == 0; });
}

void paintWhite(HWND window) {
  HDC dc = GetDC(window);
  HBRUSH white = CreateSolidBrush(0xFFFFFF);
  RECT r{0, 0, 954, 696};
  FillRect(dc, &r, white);
  DeleteObject(white);
  ReleaseDC(window, dc);
}

}  // namespace

using HeaderReader = SessionTest;

TEST_F(HeaderReader, RecognisesEachProducerSignature) {
  struct Case {
    const char* header;
    std::int16_t code;
    const char* topoName;
  } cases[] = {
      {"Digital Elevation Model by Qarn", 1, "Digital Elevation Model by Qarn"},
      {"Tarn Lake, OR- by Qarn", 2, "Tarn Lake, ORby Qarn "},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZABC- by Qarn", 2, "ABCDEFGHIJKLMNOPQRSTUVWXYZABC- by rn      "},
      {"Elkhorn Pk,MON-24000 - by Qarn", 4, "Elkhorn Pk,MON"},
      {"BEAR CREEK, CO                         grid           (SDTS2DEM v.0.018)", 3, "BEAR CREEK, CO  "},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.header);
    fixture::DemFile dem = validDem();
    dem.put(0, std::string(144, ' ')).producer(c.header);
    EXPECT_EQ(open(dem), "");
    EXPECT_EQ(app.mapShown, c.code);
    EXPECT_EQ(app.fileRejected, 0);
    EXPECT_STREQ(app.topoName, c.topoName);
  }
}

TEST_F(HeaderReader, RejectsEachUnusableFileWithItsMessage) {
  std::string longHeaderOnly = validDem().bytes().substr(0, 1024);
  struct Case {
    const char* name;
    std::string bytes;
    const char* message;
  } cases[] = {
      {"line feed after the header", validDem().put(1024, "\n").bytes(), kLineBreakMessage},
      {"carriage return and line feed", validDem().put(1024, "\r\n").bytes(), kLineBreakMessage},
      {"line feed inside the header (lines of another length)", validDem().put(892, "\n").bytes(), kLineBreakMessage},
      {"line feed at the very first byte", validDem().put(0, "\n").bytes(), kLineBreakMessage},
      {"line feed behind a NUL byte", validDem().put(900, std::string("\0\n", 2)).bytes(), kLineBreakMessage},
      {"arc-second ground unit", validDem().units(3, 2).bytes(), kArcSecondMessage},
      {"no signature", validDem().producer("SDTS2DEM v.0.013").bytes(), kUnknownProducerMessage},
      {"unterminated SDTS2DEM signature", validDem().put(0, std::string(144, ' ')).put(60, "(SDTS2DEM v.0.01").bytes(),
       kUnknownProducerMessage},
      {"empty file", "", kUnknownProducerMessage},
      {"header only", longHeaderOnly, kUnknownProducerMessage},
      {"equal west and east x", validDem().extent(500000, 4000000, 500000, 4007000).bytes(), kZeroExtentMessage},
      {"corners holding no number", validDem().put(546, std::string(192, ' ')).bytes(), kZeroExtentMessage},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    std::string path = fixture::tempPath("rejected.dem");
    std::ofstream(path, std::ios::binary) << c.bytes;
    EXPECT_EQ(session->open(path), c.message);
    ASSERT_FALSE(headless::messageBoxes().empty());
    auto& box = headless::messageBoxes().back();
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.type, 0x30u);
    EXPECT_EQ(box.owner, session->window());
    EXPECT_EQ(app.fileRejected, 1);
    EXPECT_EQ(app.mapShown, 0);
    EXPECT_EQ(app.fileChosen, 1);
    EXPECT_FALSE(app.demStream.isOpen());
    EXPECT_EQ(headless::currentCursor(), 32512);
  }
  SetUp();
  EXPECT_EQ(session->open(fixture::tempPath("missing.dem")), kUnknownProducerMessage);
}

TEST_F(HeaderReader, ArcSecondMessageNamesTheHelpPage) {
  EXPECT_STREQ(kArcSecondMessage,
               "       Can't read files based on arc seconds.\nOpen file with Qarn "
               "(https://qarn.example.org/help/save-as-utm)  \n       and save dem file to UTM projection.");
  for (int ground : {0, 1, 2}) {
    SetUp();
    EXPECT_EQ(open(validDem().units(ground, 2)), "") << ground;
  }
}

TEST_F(HeaderReader, ReadsTheHeaderFacts) {
  fixture::DemFile dem = validDem();
  dem.units(2, 1).zone(-3).datum(3).resolution(30.7, 0.5, 0.5).elevationRange(-12.5, 2000.25);
  // North-west x west of south-west x; north-east x east of south-east x;
  // a D exponent and an E exponent for the same value.
  dem.corners(500010, 4000000, 500000, 4007000, 510020, 4007000, 510000, 4000000);
  dem.put(570, fixture::fortranReal(4000000, 24, 'E'));
  EXPECT_EQ(open(dem), "");
  EXPECT_STREQ(app.groundUnitText, " meters");
  EXPECT_STREQ(app.elevUnitText, " feet");
  EXPECT_EQ(app.convertFeet, 1);
  EXPECT_EQ(app.zone, -3);
  EXPECT_EQ(app.verticalDatum, 3);
  EXPECT_EQ(app.gridSpacingX, 30);
  EXPECT_EQ(app.gridSpacingY, 0);
  EXPECT_EQ(app.vertRes, 0.5f);
  EXPECT_EQ(app.minX, 500000);
  EXPECT_EQ(app.maxX, 510020);
  EXPECT_EQ(app.minY, 4000000);
  EXPECT_EQ(app.maxY, 4007000);
  EXPECT_EQ(app.extentX, 10020);
  EXPECT_EQ(app.extentY, 7000);
  EXPECT_EQ(app.minElevation, -12.5f);
  EXPECT_EQ(app.maxElevation, 2000.25f);
  EXPECT_EQ(app.columnCount, 1);
  EXPECT_EQ(app.totalPoints, 3);
  EXPECT_FALSE(app.demStream.isOpen());

  SetUp();
  EXPECT_EQ(open(validDem().units(1, 2)), "");
  EXPECT_STREQ(app.groundUnitText, " feet");
  EXPECT_EQ(app.convertFeet, 0);
}

TEST_F(HeaderReader, UnknownUnitCodesKeepThePreviousTexts) {
  EXPECT_EQ(open(validDem().units(1, 1)), "");
  EXPECT_EQ(open(validDem().units(0, 4)), "");
  EXPECT_STREQ(app.groundUnitText, " feet");
  EXPECT_STREQ(app.elevUnitText, " feet");
}

TEST_F(HeaderReader, NegativeExtentIsAccepted) {
  EXPECT_EQ(open(validDem().extent(510000, 4000000, 500000, 4007000)), "");
  EXPECT_EQ(app.extentX, -10000);
}

TEST_F(HeaderReader, OpenDialogIsAskedForADemFile) {
  open(validDem(), "Some File.DEM");
  ASSERT_EQ(headless::fileDialogs().size(), 1u);
  auto& dialog = headless::fileDialogs()[0];
  EXPECT_FALSE(dialog.save);
  EXPECT_EQ(dialog.owner, session->window());
  EXPECT_EQ(dialog.structSize, sizeof(OPENFILENAMEA));
  EXPECT_EQ(dialog.filter, (std::vector<std::string>{"Dem Files (*.dem)", "*.dem"}));
  EXPECT_EQ(dialog.capacity, 260u);
  EXPECT_EQ(dialog.flags, 0x81004u);
  EXPECT_EQ(dialog.defaultExtension, "dem");
  EXPECT_STREQ(app.fileTitle, "some file.dem");  // the banner shows it in small letters
  // Waiting while the header is read, then while the map is plotted.
  EXPECT_EQ(headless::cursorHistory(), (std::vector<int>{32514, 32512, 32514, 32512}));
}

TEST_F(HeaderReader, FirstUseNoteUntilADialogReturnsAPath) {
  openDemFile(session->window());  // cancelled: the note comes again next time
  openDemFile(session->window());
  ASSERT_EQ(headless::messageBoxes().size(), 2u);
  EXPECT_EQ(headless::messageBoxes()[0].text, kFirstUseNote);
  EXPECT_EQ(headless::messageBoxes()[0].caption, "Note:");
  EXPECT_EQ(headless::messageBoxes()[0].type, 0u);
  EXPECT_EQ(app.fileChosen, 0);
  EXPECT_EQ(app.fileRejected, 1);

  EXPECT_EQ(open(validDem()), "");
  EXPECT_EQ(open(validDem()), "");
  EXPECT_EQ(headless::messageBoxes().size(), 3u);
}

TEST_F(HeaderReader, CancelAfterAnAcceptedFileClearsTheScreen) {
  EXPECT_EQ(open(validDem()), "");
  EXPECT_EQ(app.mapShown, 1);
  paintWhite(session->window());
  openDemFile(session->window());  // cancelled
  EXPECT_TRUE(allBlack(session->window()));
  EXPECT_EQ(app.fileChosen, 1);
  EXPECT_EQ(app.fileRejected, 1);
  EXPECT_EQ(app.mapShown, 0);
  EXPECT_STREQ(app.demPath, "");
}

TEST_F(HeaderReader, RejectedFileKeepsTheLastAcceptedCountAndLayout) {
  EXPECT_EQ(open(validDem()), "");
  std::int32_t left = app.mapLeft;
  fixture::DemFile zero = validDem();
  zero.extent(1, 1, 1, 50).resolution(10, 10, 2).profile(0, 0, {1});
  EXPECT_EQ(open(zero), kZeroExtentMessage);
  EXPECT_EQ(app.gridSpacingX, 10);  // read before the check that rejected it
  EXPECT_EQ(app.totalPoints, 3);
  EXPECT_EQ(app.mapLeft, left);
}

TEST_F(HeaderReader, LongestPathFitsEveryPathField) {
  std::string dir = fixture::tempPath("");
  std::string name = std::string(259 - dir.size() - 4, 'n') + ".dem";
  std::string path = validDem().write(dir + name);
  ASSERT_EQ(path.size(), 259u);
  EXPECT_EQ(session->open(path), "");
  EXPECT_EQ(std::strlen(app.demPath), 259u);
  EXPECT_EQ(app.fileTitle, name);
  EXPECT_NE(session->open(path + "x"), "");  // 260 characters do not fit the dialog's buffer
}
