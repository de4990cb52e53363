// On a DEM of 2000 x 2000 points (24 MB):
// - every elevation read the way the program reads it (a seek to its
//   position, then a 6-character read), through DemStream and through a
//   standard ifstream doing the same;
// - the floor: the whole file read once in large blocks;
// - File, Open with its paint, and an export of every point, as a user runs them.
#include <benchmark/benchmark.h>

#include <fstream>
#include <vector>

#include "cli/session.h"
#include "app/app_state.h"
#include "dem/profile_cursor.h"
#include "export/point_writer.h"
#include "fixture/dem_fixture.h"
#include "platform/headless/headless.h"

namespace {

constexpr int kProfiles = 2000, kRows = 2000;

const std::string& benchDem() {
  static const std::string path = [] {
    fixture::DemFile dem;
    std::vector<int> rows(kRows);
    for (int i = 0; i < kRows; ++i) rows[i] = 100 + i % 900;
    dem.producer("Digital Elevation Model by Qarn").units(2, 2).resolution(30, 30, 1);
    dem.extent(500000, 4000000, 500000 + 30 * (kProfiles - 1), 4000000 + 30 * (kRows - 1)).elevationRange(100, 1000);
    for (int p = 0; p < kProfiles; ++p) dem.profile(500000 + 30 * p, 4000000, rows);
    return dem.write(fixture::tempPath("bench.dem"));
  }();
  return path;
}

// Positions of every elevation, from the cursor arithmetic.
const std::vector<std::int32_t>& positions() {
  static const std::vector<std::int32_t> all = [] {
    std::vector<std::int32_t> p;
    p.reserve(std::size_t(kProfiles) * kRows);
    resetAppState();
    app.profileRows = kRows;
    startWalk();
    for (int c = 0; c < kProfiles; ++c) {
      app.filePos += 11 + 12 + 120;
      for (std::int16_t r = 0; r < kRows; ++r) {
        p.push_back(app.filePos);
        stepElevation(r);
      }
      finishProfile();
    }
    return p;
  }();
  return all;
}

void demStream(benchmark::State& state) {
  const auto& at = positions();
  long sum = 0;
  for (auto _ : state) {
    app.demStream.open(benchDem().c_str());
    for (std::int32_t position : at) {
      app.demStream.seek(position);
      app.demStream.read(app.fieldText, 6);
      sum += app.fieldText[5];
    }
    app.demStream.close();
  }
  benchmark::DoNotOptimize(sum);
  state.SetItemsProcessed(state.iterations() * static_cast<long>(at.size()));
}

void standardIfstream(benchmark::State& state) {
  const auto& at = positions();
  long sum = 0;
  char text[8];
  for (auto _ : state) {
    std::ifstream in(benchDem(), std::ios::binary);
    for (std::int32_t position : at) {
      in.seekg(position);
      in.get(text, 7, '\n');
      sum += text[5];
    }
  }
  benchmark::DoNotOptimize(sum);
  state.SetItemsProcessed(state.iterations() * static_cast<long>(at.size()));
}

void wholeFileRead(benchmark::State& state) {
  std::vector<char> buffer(1 << 20);
  long sum = 0;
  for (auto _ : state) {
    std::FILE* f = std::fopen(benchDem().c_str(), "rb");
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), f)) > 0) sum += buffer[n - 1];
    std::fclose(f);
  }
  benchmark::DoNotOptimize(sum);
}

void openAndPaint(benchmark::State& state) {
  for (auto _ : state) {
    Session session;
    session.open(benchDem());
  }
}

void exportEveryPoint(benchmark::State& state) {
  Session session;
  session.open(benchDem());
  std::string out = fixture::tempPath("bench-out");
  for (auto _ : state) {
    app.areaType = 1;
    app.selMinX = app.selMinY = -2000000000;
    app.selMaxX = app.selMaxY = 2000000000;
    app.csvFormat = 1;
    app.removeCount = 0;
    headless::answerSave(out);
    writeSelectedPoints(session.window());
  }
  state.SetItemsProcessed(state.iterations() * long(kProfiles) * kRows);
}

}  // namespace

BENCHMARK(wholeFileRead)->Unit(benchmark::kMillisecond);
BENCHMARK(openAndPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(exportEveryPoint)->Unit(benchmark::kMillisecond);
BENCHMARK(demStream)->Unit(benchmark::kMillisecond);
BENCHMARK(standardIfstream)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
