// What most suites share: a fresh program session per test and a valid DEM
// to vary.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "cli/session.h"
#include "app/app_state.h"
#include "fixture/dem_fixture.h"
#include "platform/headless/headless.h"

// An accepted header in metres over the given extent, 30 m apart in x and
// `spacingY` apart along each profile; no profiles yet.
inline fixture::DemFile metricDem(double minX, double minY, double maxX, double maxY, double spacingY = 30) {
  fixture::DemFile dem;
  dem.producer("Digital Elevation Model by Qarn").units(2, 2).resolution(30, spacingY, 1).extent(minX, minY, maxX, maxY);
  return dem;
}

// A DEM every check accepts: 10000 x 7000 m, 30 m spacing, metres, one profile.
inline fixture::DemFile validDem() {
  fixture::DemFile dem = metricDem(500000, 4000000, 510000, 4007000);
  dem.zone(17).datum(2).elevationRange(100, 1300).profile(500000, 4000000, {100, 200, 300});
  return dem;
}

class SessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    session.reset();  // the old session is gone before the new one starts
    session = std::make_unique<Session>();
  }
  void TearDown() override { session.reset(); }
  // Writes `dem` under `name` and opens it as File, Open would.
  std::string open(const fixture::DemFile& dem, const std::string& name = "test.dem") {
    return session->open(dem.write(fixture::tempPath(name)));
  }
  std::unique_ptr<Session> session;
};
