#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/app_state.h"
#include "dem/profile_cursor.h"
#include "fixture/dem_fixture.h"

namespace {

// The block count as the format's own arithmetic forms it, in single precision.
std::int16_t floatBlocks(std::int16_t m) {
  float t = static_cast<float>((144 + 6 * m) * (1.0 / 1020));
  std::int16_t k = static_cast<std::int16_t>(t);
  if (static_cast<float>(t - k) > 0) ++k;
  return k;
}

std::vector<int> indexes(int m) {
  std::vector<int> v(m);
  for (int i = 0; i < m; ++i) v[i] = i;
  return v;
}

void openFixture(const fixture::DemFile& dem, const std::string& name) {
  resetAppState();
  app.demStream.open(dem.write(fixture::tempPath(name)).c_str());
}

std::string readElevation() {
  app.demStream.seek(app.filePos);
  app.demStream.read(app.fieldText, 6);
  return app.fieldText;
}

}  // namespace

TEST(ProfileCursor, BlocksForProfileIsTheCeilingForEveryCount) {
  struct Case {
    std::int16_t m, blocks;
  } cases[] = {{0, 1}, {146, 1}, {147, 2}, {316, 2}, {317, 3}, {1201, 8}, {32767, 193}, {-24, 0}, {-200, -1}};
  for (auto& c : cases) EXPECT_EQ(blocksForProfile(c.m), c.blocks) << "m = " << c.m;
  for (int m = -32768; m <= 32767; ++m)
    ASSERT_EQ(blocksForProfile(static_cast<std::int16_t>(m)), floatBlocks(static_cast<std::int16_t>(m))) << m;
}

TEST(ProfileCursor, WalkReadsEveryElevationAcrossBlockBoundaries) {
  // Profiles of 147, 316 and 0 elevations: the jump over the filler after
  // elevation 145, a last elevation ending exactly at a block's data end, and
  // an empty profile that still takes one block.
  fixture::DemFile dem;
  dem.profile(100, 200, indexes(147)).profile(130, 200, indexes(316)).profile(160, 200, {}).profile(190, 5, {42});
  openFixture(dem, "walk.dem");
  std::int32_t starts[] = {1024, 3072, 5120, 6144};
  std::int16_t rows[] = {147, 316, 0, 1};

  startWalk();
  EXPECT_EQ(app.filePos, 1025);
  EXPECT_EQ(app.blockEnd, 2048);
  for (int p = 0; p < 4; ++p) {
    std::int32_t s = starts[p];
    SCOPED_TRACE(testing::Message() << "profile " << p);
    ASSERT_EQ(app.filePos, s + 1);
    beginProfile();
    EXPECT_EQ(app.filePos, s + 12);
    EXPECT_EQ(app.profileRows, rows[p]);
    readProfileOrigin();
    EXPECT_EQ(app.filePos, s + 144);
    EXPECT_EQ(app.profileX, 100.0f + 30 * p);
    for (std::int16_t i = 0; i < app.profileRows; ++i) {
      if (p == 0 && i == 145) {
        EXPECT_EQ(app.filePos, s + 1014);
      }
      if (p == 0 && i == 146) {
        EXPECT_EQ(app.filePos, s + 1024);
      }
      ASSERT_EQ(std::stoi(readElevation()), p == 3 ? 42 : i) << "elevation " << i;
      stepElevation(i);
    }
    if (p == 1) {
      EXPECT_EQ(app.filePos, s + 2044);  // no jump after the last elevation
    }
    finishProfile();
  }
  EXPECT_FALSE(app.demStream.failed());
}

TEST(ProfileCursor, SkipProfileMovesByWholeBlocksToTheNextCount) {
  fixture::DemFile dem;
  dem.profile(0, 0, indexes(147)).profile(30, 0, indexes(146)).profile(60, 0, indexes(3));
  openFixture(dem, "skip.dem");
  startWalk();
  beginProfile();
  skipProfile();
  EXPECT_EQ(app.filePos, 3072 + 12);
  EXPECT_EQ(app.blockEnd, 4096);
  EXPECT_EQ(app.profileRows, 146);
  skipProfile();
  EXPECT_EQ(app.filePos, 4096 + 12);
  EXPECT_EQ(app.profileRows, 3);
  readProfileOrigin();
  EXPECT_EQ(app.profileX, 60.0f);
}

TEST(ProfileCursor, PointCountSumsTheDeclaredCounts) {
  fixture::DemFile dem;
  dem.profile(0, 0, indexes(147)).profile(30, 0, indexes(10)).profile(60, 0, indexes(316));
  openFixture(dem, "count.dem");
  app.columnCount = 3;
  countProfilePoints();
  EXPECT_EQ(app.totalPoints, 147 + 10 + 316);

  app.columnCount = 5;  // cut off after 3 complete profiles: the rest count 0
  countProfilePoints();
  EXPECT_EQ(app.totalPoints, 147 + 10 + 316);

  for (std::int16_t columns : {0, -3}) {
    app.demStream.open(dem.write(fixture::tempPath("count.dem")).c_str());
    app.columnCount = columns;
    countProfilePoints();
    EXPECT_EQ(app.totalPoints, 0);
  }
}

TEST(ProfileCursor, WrappedAndNegativeCountsAreCountedAndSteppedAsSuch) {
  fixture::DemFile dem;
  dem.profile(0, 0, {1, 2}, 40000);
  openFixture(dem, "negative.dem");
  app.columnCount = 1;
  countProfilePoints();
  EXPECT_EQ(app.totalPoints, -25536);

  // A count of -200 moves the scan back one block, into the header, and
  // reads the next count there, at byte 12.
  fixture::DemFile back;
  back.put(12, "     7").profile(0, 0, {}, -200);
  openFixture(back, "back.dem");
  app.columnCount = 2;
  countProfilePoints();
  EXPECT_EQ(app.totalPoints, -200 + 7);
  EXPECT_EQ(app.filePos, 12 + 1024);  // moved back by one block, then on by one
}
