// Reading every elevation the way the program does (a seek to its position,
// then a 6-character read), through DemStream and through a standard
// ifstream doing the same, on a DEM of 2000 x 2000 points.
#include <benchmark/benchmark.h>

#include <fstream>
#include <vector>

#include "dem/app_state.h"
#include "dem/profile_cursor.h"
#include "fixture/dem_fixture.h"

namespace {

constexpr int kProfiles = 2000, kRows = 2000;

const std::string& benchDem() {
  static const std::string path = [] {
    fixture::DemFile dem;
    std::vector<int> rows(kRows);
    for (int i = 0; i < kRows; ++i) rows[i] = 100 + i % 900;
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

}  // namespace

BENCHMARK(demStream)->Unit(benchmark::kMillisecond);
BENCHMARK(standardIfstream)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
