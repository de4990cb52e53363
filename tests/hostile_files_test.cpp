// Files built to break the reader: every count, corner, spacing and length a
// header or profile can lie about. For each, File, Open (with its paint) and
// an export of everything end, and do what the program promises: the
// rejection message, or exactly the points the file really holds, reported
// as written (or as ended early) and present in the written file.
#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "dem/header_reader.h"
#include "export/point_writer.h"
#include "test_support.h"

namespace {

// Three profiles 30 m apart, three elevations each: 9 points in one block each.
fixture::DemFile nineDem() {
  fixture::DemFile dem = metricDem(500000, 4000000, 500060, 4000060);
  dem.elevationRange(100, 1300);
  for (int p = 0; p < 3; ++p) dem.profile(500000 + 30 * p, 4000000, {100, 200, 300});
  return dem;
}

std::string nine() { return nineDem().bytes(); }
std::string with(std::string bytes, std::size_t at, const std::string& text) { return bytes.replace(at, text.size(), text); }
std::string cut(std::size_t length) { return nine().substr(0, length); }

// The header's count of profiles, 6 characters at 858.
std::string declaredColumns(const char* count) { return with(nine(), 858, count); }

// 120 profiles 30 m apart over a 983 km tall extent, so the map is thinned
// (drawSkip 40); the profile of index 40, one of those drawn, holds 32767
// elevations, the most a 16-bit row counter can count.
std::string fullProfileDem() {
  fixture::DemFile dem = metricDem(500000, 4000000, 500000 + 30 * 119, 4983010);
  dem.elevationRange(0, 1000);
  for (int p = 0; p < 120; ++p)
    dem.profile(500000 + 30 * p, 4000000, p == 40 ? std::vector<int>(32767, 500) : std::vector<int>{500});
  return dem.bytes();
}

struct Outcome {
  const char* openMessage;  // "" for an accepted file
  int points;               // written by an export of everything
  bool endedEarly;          // the export says the file ended early
};

struct Case {
  const char* name;
  std::function<std::string()> bytes;
  Outcome outcome;
};

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

int lineCount(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

}  // namespace

using HostileFiles = SessionTest;

TEST_F(HostileFiles, EachEndsWithTheOutcomePromised) {
  fixture::DemFile emptyFields;
  emptyFields.producer("Digital Elevation Model by Qarn").trailer(std::string(1024, ' '));
  const Case cases[] = {
      // Profile counts.
      {"no profiles", [] { return declaredColumns("     0"); }, {"", 0, false}},
      {"a negative profile count", [] { return declaredColumns("    -5"); }, {"", 0, false}},
      {"32767 profiles declared, 3 present", [] { return declaredColumns(" 32767"); }, {"", 9, true}},
      // Elevation counts: above 32767 wraps negative; a negative profile is passed over.
      {"an elevation count of 40000",
       [] { return with(nine(), 2048 + 12, " 40000"); }, {"", 6, false}},
      {"an elevation count of -200", [] { return with(nine(), 2048 + 12, "  -200"); }, {"", 6, false}},
      {"32767 elevations in a thinned, drawn profile", fullProfileDem, {"", 119 + 32767, false}},
      // Cut short.
      {"cut in a profile's header", [] { return cut(2048 + 100); }, {"", 3, true}},
      {"cut in a block", [] { return cut(2048 + 150); }, {"", 4, true}},
      {"cut in an elevation", [] { return cut(2048 + 144 + 3); }, {"", 3, true}},
      {"cut at a profile boundary", [] { return cut(3072); }, {"", 6, true}},
      // Corners.
      {"corners out of order (negative extents)",
       [] { return nineDem().extent(500060, 4000060, 500000, 4000000).bytes(); }, {"", 9, false}},
      {"an extent across zero", [] { return nineDem().extent(-30, -30, 30, 30).bytes(); }, {"", 9, false}},
      {"a plot width of 0",  // extentX -3 over 1260 m: a plot 1.5 pixels wide to the west
       [] { return nineDem().corners(500003, 4000000, 500003, 4001260, 500000, 4001260, 500000, 4000000).bytes(); },
       {"", 9, false}},
      // Spacings and resolutions.
      {"spacing 0", [] { return nineDem().resolution(0, 0, 1).bytes(); }, {"", 9, false}},
      {"spacing 0.5", [] { return nineDem().resolution(0.5, 0.5, 1).bytes(); }, {"", 9, false}},
      {"spacing 1.4", [] { return nineDem().resolution(1.4, 1.4, 1).bytes(); }, {"", 9, false}},
      {"vertical resolution 0", [] { return nineDem().resolution(30, 30, 0).bytes(); }, {"", 9, false}},
      // Each profile's first point is written; every later one lies at an infinite y, outside any rectangle.
      {"infinite resolutions, elevations of 0 (NaN)",
       [] {
         std::string b = with(with(with(nine(), 816, "9D+999      "), 828, "9D+999      "), 840, "9D+999      ");
         return with(b, 2048 + 144, "     0");
       },
       {"", 3, false}},
      {"huge minimum and maximum elevations",
       [] { return with(with(nine(), 738, "  -0.999999999999999D+99"), 762, "   0.999999999999999D+99"); },
       {"", 9, false}},
      // Nothing there.
      {"every header field empty", [=] { return emptyFields.bytes(); }, {kZeroExtentMessage, 0, false}},
      {"only blanks", [] { return std::string(4096, ' '); }, {kUnknownProducerMessage, 0, false}},
      {"0 bytes", [] { return std::string(); }, {kUnknownProducerMessage, 0, false}},
      {"1023 bytes", [] { return cut(1023); }, {kUnknownProducerMessage, 0, false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    std::string path = fixture::tempPath("hostile.dem");
    std::ofstream(path, std::ios::binary | std::ios::trunc) << c.bytes();
    const std::string before = slurp(path);
    ASSERT_EQ(session->open(path), c.outcome.openMessage);
    if (*c.outcome.openMessage) {
      EXPECT_EQ(app.fileRejected, 1);
      EXPECT_EQ(app.mapShown, 0);
      continue;
    }
    EXPECT_GE(app.mapShown, 1);
    app.areaType = AreaType::Rectangle;
    app.selMinX = app.selMinY = INT32_MIN;
    app.selMaxX = app.selMaxY = INT32_MAX;
    app.csvFormat = 1;
    app.removeCount = 0;
    std::string out = fixture::tempPath("hostile.csv");
    headless::answerSave(out);
    writeSelectedPoints(session->window());
    auto& box = headless::messageBoxes().back();
    std::string reported = std::to_string(c.outcome.points) + " points written to " + out;
    if (c.outcome.endedEarly) {
      EXPECT_EQ(box.caption, "Error");
      EXPECT_EQ(box.text, "The DEM file ended early.\n" + reported);
    } else {
      EXPECT_EQ(box.caption, "File Saved");
      EXPECT_EQ(box.text, reported);
    }
    EXPECT_EQ(lineCount(slurp(out)), c.outcome.points);
    EXPECT_EQ(slurp(path), before);  // reading never changes the DEM
  }
}

// Profiles whose counts reach past 2 GiB, in a sparse file: only the count
// fields are written. Read at 32-bit positions the walk would wrap, so the
// file is refused rather than read at wrong places.
TEST_F(HostileFiles, ProfilesPastTwoGibibytesAreRefused) {
  constexpr int kProfiles = 11000;  // of 193 blocks each: 2.17 GB
  std::string path = fixture::tempPath("huge.dem");
  fixture::DemFile header = metricDem(500000, 4000000, 500000 + 30 * (kProfiles - 1), 4983010);
  std::string bytes = header.columns(kProfiles).bytes();
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::pwrite(fd, bytes.data(), bytes.size(), 0), static_cast<ssize_t>(bytes.size()));
  off_t start = 1024;
  for (int p = 0; p < kProfiles; ++p, start += 193 * 1024)
    ASSERT_EQ(::pwrite(fd, " 32767", 6, start + 12), 6);
  ASSERT_EQ(::ftruncate(fd, start), 0);
  ::close(fd);
  EXPECT_EQ(session->open(path), kTooLargeMessage);
  EXPECT_EQ(app.fileRejected, 1);
  EXPECT_EQ(app.mapShown, 0);
  std::remove(path.c_str());
}
