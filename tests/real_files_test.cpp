// Real-world files in the USGS DEM ASCII layout, kept outside the project.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "dem/header_reader.h"
#include "test_support.h"

namespace {

std::string realFile(const std::string& name) { return std::string(TARNWICK_REAL_DATA_DIR) + "/" + name; }

bool haveRealFiles() { return std::filesystem::is_directory(TARNWICK_REAL_DATA_DIR); }

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace

class RealFiles : public SessionTest {
 protected:
  void SetUp() override {
    if (!haveRealFiles()) GTEST_SKIP() << "no real-world samples at " << TARNWICK_REAL_DATA_DIR;
    SessionTest::SetUp();
  }
};

TEST_F(RealFiles, NoneCarriesASignatureSoEachIsRejected) {
  // The two with line feeds in their first record are refused for those first.
  struct Case {
    const char* name;
    const char* message;
  } cases[] = {{"39079G6_truncated.dem", kUnknownProducerMessage},
               {"39109h1_truncated.dem", kLineBreakMessage},
               {"fema06-140cm_2995441b_truncated.dem", kLineBreakMessage},
               {"usgsdem_with_extra_values_at_end_of_profile.dem", kUnknownProducerMessage},
               {"usgsdem_with_spaces_after_byte_864.dem", kUnknownProducerMessage}};
  for (auto [name, message] : cases) {
    SetUp();
    EXPECT_EQ(session->open(realFile(name)), message) << name;
    EXPECT_EQ(app.fileRejected, 1);
    EXPECT_EQ(app.mapShown, 0);
    EXPECT_STREQ(app.fileTitle, name);
  }
}

TEST_F(RealFiles, WithASignatureTheirHeadersAndProfilesRead) {
  // 39079G6: UTM zone 17 in metres, 2 profiles of 77 and 148 elevations, its
  // last record cut to 24 bytes.
  std::string bytes = slurp(realFile("39079G6_truncated.dem"));
  bytes.replace(0, 31, "Digital Elevation Model by Qarn");
  std::string path = fixture::tempPath("39079G6_signed.dem");
  std::ofstream(path, std::ios::binary) << bytes;
  EXPECT_EQ(session->open(path), "");
  EXPECT_EQ(app.mapShown, 1);
  EXPECT_EQ(app.zone, 17);
  EXPECT_STREQ(app.groundUnitText, " meters");
  EXPECT_EQ(app.columnCount, 2);
  EXPECT_EQ(app.totalPoints, 77 + 148);
  EXPECT_GT(app.extentX, 0);
  EXPECT_GT(app.extentY, 0);
  EXPECT_EQ(app.gridSpacingX, 30);  // written 3.000000D+01
  EXPECT_EQ(app.vertRes, 1.0f);
}

TEST_F(RealFiles, LineFeedSeparatedRecordsWithASignatureAreRefused) {
  // 39109h1 has its first line feed at byte 892 and lines of 1020 bytes after
  // it, so byte 1024 is data; read at the fixed places it would give made-up
  // points, so any line feed in the first record refuses it.
  std::string bytes = slurp(realFile("39109h1_truncated.dem"));
  bytes.replace(0, 31, "Digital Elevation Model by Qarn");
  std::string path = fixture::tempPath("39109h1_signed.dem");
  std::ofstream(path, std::ios::binary) << bytes;
  EXPECT_EQ(session->open(path), kLineBreakMessage);
  EXPECT_EQ(app.fileRejected, 1);
}
