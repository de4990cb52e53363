#include "cli/cli.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/session.h"
#include "dem/app_state.h"
#include "display/banner_text.h"

namespace {

// A float as the shortest text that reads back as the same single-precision
// value; JSON has no infinities or NaN, so those become null.
nlohmann::json single(float value) {
  if (!std::isfinite(value)) return nullptr;
  char text[64];
  auto result = std::to_chars(text, text + sizeof text, value);
  return nlohmann::json::parse(std::string(text, result.ptr));
}

nlohmann::json stateJson() {
  nlohmann::json j;
  j["mapShown"] = app.mapShown;
  j["fileRejected"] = app.fileRejected;
  j["topoName"] = app.topoName;
  j["groundUnitText"] = app.groundUnitText;
  j["elevUnitText"] = app.elevUnitText;
  j["convertFeet"] = app.convertFeet;
  j["zone"] = app.zone;
  j["verticalDatum"] = app.verticalDatum;
  j["gridSpacingX"] = app.gridSpacingX;
  j["gridSpacingY"] = app.gridSpacingY;
  j["vertRes"] = single(app.vertRes);
  j["minX"] = app.minX;
  j["maxX"] = app.maxX;
  j["minY"] = app.minY;
  j["maxY"] = app.maxY;
  j["extentX"] = app.extentX;
  j["extentY"] = app.extentY;
  j["minElevation"] = single(app.minElevation);
  j["maxElevation"] = single(app.maxElevation);
  j["columnCount"] = app.columnCount;
  j["totalPoints"] = app.totalPoints;
  j["mapCenterX"] = app.mapCenterX;
  j["mapCenterY"] = app.mapCenterY;
  j["mapScale"] = single(app.mapScale);
  j["mapLeft"] = app.mapLeft;
  j["mapRight"] = app.mapRight;
  j["mapTop"] = app.mapTop;
  j["mapBottom"] = app.mapBottom;
  j["elevationRange"] = single(app.elevationRange);
  j["drawSkip"] = app.drawSkip;
  return j;
}

// Header texts are raw bytes from the file; JSON wants valid UTF-8.
std::string jsonDump(const nlohmann::json& j) {
  return j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
}

int info(const std::string& dem, bool json, std::ostream& out, std::ostream& err) {
  Session session;
  std::string failure = session.open(dem);
  if (!failure.empty()) {
    if (json)
      out << jsonDump({{"fileRejected", 1}, {"mapShown", 0}, {"message", failure}}) << '\n';
    else
      err << failure << '\n';
    return 1;
  }
  if (json) {
    out << jsonDump(stateJson()) << '\n';
    return 0;
  }
  for (int line = TitleLine; line < kBannerLineCount; ++line) out << composeBannerLine(BannerLine(line)) << '\n';
  return 0;
}

int render(const std::string& dem, const std::string& png, std::ostream& err) {
  Session session;
  std::string failure = session.open(dem);
  if (!failure.empty()) {
    err << failure << '\n';
    return 1;
  }
  if (!session.writePng(png)) {
    err << "tarnwick-cli: cannot write " << png << '\n';
    return 1;
  }
  return 0;
}

}  // namespace

int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App cli{"Tarnwick: open a DEM file in the USGS DEM ASCII layout, show its map, export its points.",
               "tarnwick-cli"};
  cli.require_subcommand(1);

  std::string dem;
  bool json = false;
  CLI::App* infoCommand = cli.add_subcommand(
      "info", "Open DEM as File, Open would and print the header facts the banner shows, one per line; "
              "a rejected file prints its message on standard error and exits with status 1.");
  infoCommand->add_option("DEM", dem, "The DEM file to open")->required();
  infoCommand->add_flag("--json", json,
                        "Print the state after opening as one JSON object instead (a rejected file: "
                        "fileRejected, mapShown and the message)");

  std::string png;
  CLI::App* renderCommand = cli.add_subcommand(
      "render", "Open DEM as File, Open would (which paints the map) and write the whole client area, "
                "954 x 696 pixels, as a PNG; a rejected file prints its message on standard error, status 1.");
  renderCommand->add_option("DEM", dem, "The DEM file to open")->required();
  renderCommand->add_option("-o,--output", png, "The PNG file to write")->required();

  try {
    cli.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return cli.exit(e, out, err);
  }
  if (*infoCommand) return info(dem, json, out, err);
  if (*renderCommand) return render(dem, png, err);
  return 1;
}
