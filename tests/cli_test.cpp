#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cli.h"
#include "dem/header_reader.h"
#include "test_support.h"

namespace {

struct CliRun {
  int status;
  std::string out, err;
};

CliRun cli(std::vector<std::string> args) {
  args.insert(args.begin(), "tarnwick-cli");
  std::vector<const char*> argv;
  for (auto& a : args) argv.push_back(a.c_str());
  std::ostringstream out, err;
  int status = runCli(static_cast<int>(argv.size()), argv.data(), out, err);
  return {status, out.str(), err.str()};
}

std::string bannerDem() {
  fixture::DemFile dem = validDem();
  dem.put(0, std::string(144, ' ')).producer("Elkhorn Pk,MON-24000 - by Qarn").units(2, 2).datum(7).zone(12);
  dem.resolution(30, 30, 1).elevationRange(-12.5, 1300);
  return dem.write(fixture::tempPath("Elkhorn.DEM"));
}

}  // namespace

TEST(Cli, InfoPrintsTheBannerFacts) {
  CliRun run = cli({"info", bannerDem()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "Topo Name: Elkhorn Pk,MON\n"
            "V.Data: ? ?\n"
            "Zone: 12\n"
            "Filename: elkhorn.dem\n"
            "Grid Sp: 30 meters\n"
            "Min. El: -12.5\n"
            "Max. El: 1300.0\n"
            "Vert Res: 1.0 meters\n"
            "No. Cols: 1\n"
            "Total # Points: 3\n");
  EXPECT_EQ(run.err, "");
}

TEST(Cli, InfoJsonHoldsTheStateFields) {
  CliRun run = cli({"info", "--json", bannerDem()});
  ASSERT_EQ(run.status, 0);
  auto j = nlohmann::json::parse(run.out);
  EXPECT_EQ(j.size(), 30u);
  EXPECT_EQ(j["mapShown"], 4);
  EXPECT_EQ(j["fileRejected"], 0);
  EXPECT_EQ(j["topoName"], "Elkhorn Pk,MON");
  EXPECT_EQ(j["extentX"], 10000);
  EXPECT_EQ(j["mapLeft"], 25);
  EXPECT_EQ(j["mapBottom"], 668);
  EXPECT_EQ(j["drawSkip"], 0);
  // Shortest text that reads back as the same float.
  EXPECT_NE(run.out.find("\"mapScale\": 0.09,"), std::string::npos) << run.out;
  EXPECT_EQ(j["minElevation"], -12.5);
}

TEST(Cli, RejectedFileGivesItsMessageAndStatusOne) {
  std::string path = validDem().units(3, 2).write(fixture::tempPath("arc.dem"));
  CliRun run = cli({"info", path});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, std::string(kArcSecondMessage) + "\n");

  run = cli({"info", "--json", path});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(nlohmann::json::parse(run.out),
            (nlohmann::json{{"fileRejected", 1}, {"mapShown", 0}, {"message", kArcSecondMessage}}));
}

TEST(Cli, UsageErrorsExitWithTwoAndNameWhatIsWrong) {
  std::string dem = validDem().write(fixture::tempPath("usage.dem"));
  std::string out = fixture::tempPath("usage.csv");
  struct Case {
    std::vector<std::string> args;
    const char* said;
  } cases[] = {
      {{}, "subcommand"},
      {{"info"}, "DEM"},
      {{"export", dem, "--rect", "1", "2", "x", "4", "-o", out}, "--rect"},
      {{"export", dem, "--rect", "0", "0", "1e9", "1e10", "-o", out}, "--rect: each value must be a finite number from -2147483648 to 2147483647, not 1e10"},
      {{"export", dem, "--rect", "nan", "0", "1", "1", "-o", out}, "--rect"},
      {{"export", dem, "--circle", "500000", "5000000", "1e12", "-o", out}, "--circle"},
      {{"export", dem, "--circle", "inf", "0", "1", "-o", out}, "--circle"},
      {{"export", dem, "--drag-rect", "0", "0", "40000", "10", "-o", out}, "--drag-rect: each value must be a finite number from -32768 to 32767"},
      {{"export", dem, "--drag-circle", "1", "2", "3", "-99999", "-o", out}, "--drag-circle"},
      {{"export", dem, "--drag-rect", "1", "2", "3", "4", "--thin", "150", "-o", out}, "--thin"},
      {{"export", dem, "--rect", "0", "0", "1", "1", "-o", fixture::tempPath("no-such-folder/out.csv")},
       "the folder"},
      {{"render", dem, "-o", fixture::tempPath("no-such-folder/map.png")}, "does not exist"},
  };
  for (auto& c : cases) {
    CliRun run = cli(c.args);
    SCOPED_TRACE(run.err);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(c.said), std::string::npos);
  }
  EXPECT_FALSE(std::filesystem::exists(out));  // nothing was created on the way

  CliRun help = cli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("2 for a usage error"), std::string::npos);
  help = cli({"info", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--json"), std::string::npos);
}

TEST(Cli, AnExportOntoItsOwnDemFileIsRefusedAndTheFileKept) {
  std::string dem = validDem().write(fixture::tempPath("self.dem"));
  std::ifstream in(dem, std::ios::binary);
  std::string before((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  CliRun run = cli({"export", dem, "--rect", "0", "0", "1e9", "1e9", "-o", dem});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "The point file would replace the DEM file it is read from:\n" + dem + "\n");
  std::ifstream again(dem, std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(again)), std::istreambuf_iterator<char>()), before);
}

TEST(Cli, ExportWritesTheSelectionAndPrintsTheCompletionMessage) {
  fixture::DemFile dem = metricDem(500000, 4100000, 500030, 4100060);
  dem.elevationRange(1200, 1250);
  dem.profile(500000, 4100000, {1200, 1210, 1220}).profile(500030, 4100000, {1230, 1240, 1250});
  std::string path = dem.write(fixture::tempPath("cli-export.dem"));
  std::string out = fixture::tempPath("cli-out.txt");
  CliRun run = cli({"export", path, "--rect", "500000", "4100030", "500030", "4100060", "--format", "txt", "--thin",
                    "1", "-o", out});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "1 points written to " + out + "\n");
  std::ifstream in(out, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, "500030 4100030 1240.0\r\n");

  run = cli({"export", path, "--circle", "500000", "4100000", "30", "-o", out + ".csv"});
  EXPECT_EQ(run.out, "3 points written to " + out + ".csv\n");
}

TEST(Cli, ExportByDraggingAndItsDroppedSelections) {
  std::string path = validDem().write(fixture::tempPath("cli-drag.dem"));
  std::string out = fixture::tempPath("cli-drag.csv");
  CliRun run = cli({"export", path, "--drag-rect", "20", "20", "940", "690", "-o", out});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "3 points written to " + out + "\n");

  run = cli({"export", path, "--drag-rect", "300", "300", "305", "303", "-o", out});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("dropped"), std::string::npos);
  run = cli({"export", path, "--drag-circle", "480", "350", "1000", "350", "-o", out});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(cli({"export", path, "--drag-rect", "1", "2", "3", "4", "--thin", "150", "-o", out}).status, 0);
  EXPECT_NE(cli({"export", path, "-o", out}).status, 0);  // no selection
  EXPECT_NE(cli({"export", path, "--rect", "1", "2", "3", "4", "--circle", "1", "2", "3", "-o", out}).status, 0);
}

TEST(Cli, RenderWritesTheClientAreaAsAPng) {
  std::string png = fixture::tempPath("map.png");
  CliRun run = cli({"render", bannerDem(), "-o", png});
  EXPECT_EQ(run.status, 0) << run.err;
  std::ifstream in(png, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GT(bytes.size(), 24u);
  EXPECT_EQ(bytes.substr(1, 3), "PNG");
  auto be32 = [&](std::size_t at) {
    return (unsigned(std::uint8_t(bytes[at])) << 24) | (unsigned(std::uint8_t(bytes[at + 1])) << 16) |
           (unsigned(std::uint8_t(bytes[at + 2])) << 8) | unsigned(std::uint8_t(bytes[at + 3]));
  };
  EXPECT_EQ(be32(16), 954u);
  EXPECT_EQ(be32(20), 696u);

  run = cli({"render", validDem().units(3, 2).write(fixture::tempPath("arc.dem")), "-o", png});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, std::string(kArcSecondMessage) + "\n");
}
