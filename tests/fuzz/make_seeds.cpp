// Writes the seed corpora of the fuzz targets: small DEM files from the
// tests' fixture builder, each a shape the reader must walk (one and several
// blocks per profile, thinned maps, negative extents, feet, LIDAR spacing).
// The export target's seeds carry its selection bytes in front.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fixture/dem_fixture.h"

namespace {

fixture::DemFile metric(double minX, double minY, double maxX, double maxY, double spacing = 30) {
  fixture::DemFile dem;
  dem.producer("Digital Elevation Model by Qarn").units(2, 2).resolution(spacing, spacing, 1);
  dem.extent(minX, minY, maxX, maxY).elevationRange(100, 1300).zone(17).datum(2);
  return dem;
}

std::vector<fixture::DemFile> seeds() {
  std::vector<fixture::DemFile> all;
  all.push_back(metric(500000, 4000000, 500060, 4000060));
  for (int p = 0; p < 3; ++p) all.back().profile(500000 + 30 * p, 4000000, {100, 200, 300});
  all.push_back(metric(500000, 4000000, 500060, 4010000));
  for (int p = 0; p < 3; ++p) all.back().profile(500000 + 30 * p, 4000000, std::vector<int>(320, 100 + 300 * p));
  all.push_back(metric(500000, 4000000, 500000 + 30 * 40, 4500000));  // thinned: drawSkip above 0
  for (int p = 0; p < 41; ++p) all.back().profile(500000 + 30 * p, 4000000, {500, 700});
  all.push_back(metric(500060, 4000060, 500000, 4000000));  // corners out of order
  all.back().profile(500000, 4000000, {100, -32767, 1300});
  all.push_back(metric(500000, 4000000, 500003, 4000003, 1.4).units(2, 1));  // feet, LIDAR spacing
  all.back().profile(500000, 4000000, {1, 2, 3}).profile(500001, 4000000, {4, 5, 6});
  return all;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::filesystem::path folder = argv[1];
  for (const char* target : {"open", "paint", "export"}) std::filesystem::create_directories(folder / target);
  const std::string selections[] = {
      std::string("\x00\x01", 2) + std::string(32, '\x00'),               // typed rectangle, all zero
      std::string("\x00\x01", 2) + std::string(32, '\xff'),               // typed rectangle, extremes
      std::string("\x01\x01", 2) + "\x00\x64\x00\x64\x03\x84\x02\xb2" + std::string(24, '1'),  // a drag
      std::string("\x01\x00", 2) + "\x01\xe0\x01\x5e\x02\x08\x01\x5e" + std::string(24, '0'),  // a circle drag
  };
  int n = 0;
  for (const fixture::DemFile& dem : seeds()) {
    std::string bytes = dem.bytes();
    std::string name = "seed-" + std::to_string(n++);
    std::ofstream(folder / "open" / name, std::ios::binary) << bytes;
    std::ofstream(folder / "paint" / name, std::ios::binary) << bytes;
    int s = 0;
    for (const std::string& selection : selections)
      std::ofstream(folder / "export" / (name + "-" + std::to_string(s++)), std::ios::binary) << selection << bytes;
  }
  return 0;
}
