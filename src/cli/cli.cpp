#include "cli/cli.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>

#include "app/resource.h"
#include "cli/session.h"
#include "app/app_state.h"
#include "display/banner_text.h"
#include "export/point_writer.h"
#include "platform/dialogs/dialogs.h"
#include "platform/headless/headless.h"

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

// Usage errors exit with 2, as command-line tools do; 1 is kept for a
// failure of the work itself.
constexpr int kUsageError = 2;

// A selection value must be a finite number the record's fields hold: the
// ground bounds are 32-bit, the dragged positions 16-bit client coordinates.
CLI::Validator fieldRange(double low, double high) {
  std::string range = "a finite number from " + std::to_string(static_cast<long long>(low)) + " to " +
                      std::to_string(static_cast<long long>(high));
  return CLI::Validator(
      [=](std::string& text) -> std::string {
        double value = 0;
        if (!CLI::detail::lexical_cast(text, value) || !std::isfinite(value) || value < low || value > high)
          return "each value must be " + range + ", not " + text;
        return "";
      },
      range);
}

// The folder the output goes into must exist: the Save dialog would refuse it.
CLI::Validator existingFolder() {
  return CLI::Validator(
      [](std::string& path) -> std::string {
        std::filesystem::path folder = std::filesystem::path(path).parent_path();
        std::error_code error;
        if (folder.empty() || std::filesystem::is_directory(folder, error)) return "";
        return "the folder " + folder.string() + " does not exist";
      },
      "");
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

struct ExportRequest {
  std::string dem, out, format = "csv";
  int thin = 0;
  std::vector<double> rect, circle;
  std::vector<int> dragRect, dragCircle;
};

// Runs the selection as the user would make it: fields set and OK pressed,
// or a press, one move and a release in the window with the dialog answered.
int exportSelection(const ExportRequest& r, std::ostream& out, std::ostream& err) {
  Session session;
  std::string failure = session.open(r.dem);
  if (!failure.empty()) {
    err << failure << '\n';
    return 1;
  }
  bool csv = r.format == "csv";
  std::size_t boxesBefore = headless::messageBoxes().size();
  headless::answerSave(r.out);
  HWND window = session.window();
  if (!r.rect.empty() || !r.circle.empty()) {
    bool rectangle = !r.rect.empty();
    SendMessageA(window, WM_COMMAND, rectangle ? IDM_RECTANGLE : IDM_CIRCLE, 0);
    if (rectangle) {
      app.selMinX = static_cast<std::int32_t>(r.rect[0]), app.selMinY = static_cast<std::int32_t>(r.rect[1]);
      app.selMaxX = static_cast<std::int32_t>(r.rect[2]), app.selMaxY = static_cast<std::int32_t>(r.rect[3]);
    } else {
      app.circleCenterX = static_cast<std::int32_t>(r.circle[0]);
      app.circleCenterY = static_cast<std::int32_t>(r.circle[1]);
      app.circleRadius = static_cast<std::int32_t>(r.circle[2]);
    }
    app.csvFormat = csv ? 1 : 0;
    app.removeCount = static_cast<std::int16_t>(r.thin);
    writeSelectedPoints(window);
  } else {
    bool rectangle = !r.dragRect.empty();
    const std::vector<int>& p = rectangle ? r.dragRect : r.dragCircle;
    SendMessageA(window, WM_COMMAND, rectangle ? IDM_RECTANGLE : IDM_CIRCLE, 0);
    bool dialogShown = false;
    std::string thin = std::to_string(r.thin);
    headless::answerDialog([&](HWND dialog) {
      dialogShown = true;
      headless::clickButton(dialog, csv ? IDC_COMMA : IDC_SPACE);
      headless::typeInto(dialog, IDC_REMOVE, thin);
      headless::clickButton(dialog, IDOK);
    });
    headless::press(window, p[0], p[1]);
    headless::move(window, p[2], p[3]);
    headless::release(window, p[2], p[3]);
    if (!dialogShown) {
      err << "tarnwick-cli: the selection was dropped: " << (rectangle ? "fewer than 6 columns or rows"
                                                                       : "the circle does not fit the map or is too small")
          << '\n';
      return 1;
    }
  }
  const auto& boxes = headless::messageBoxes();
  for (std::size_t i = boxesBefore; i < boxes.size(); ++i) {
    if (boxes[i].caption == "File Saved") {
      out << boxes[i].text << '\n';
      return 0;
    }
    if (boxes[i].caption == "Error") {
      err << boxes[i].text << '\n';
      return 1;
    }
  }
  err << "tarnwick-cli: nothing was written (no output file chosen)\n";
  return 1;
}

}  // namespace

int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App cli{"Tarnwick: open a DEM file in the USGS DEM ASCII layout, show its map, export its points.",
               "tarnwick-cli"};
  cli.require_subcommand(1);
  cli.footer(
      "Exit status: 0 when the work is done; 1 when it failed (a rejected DEM file, a dropped selection, a "
      "file that cannot be written, an export that would replace its own DEM file); 2 for a usage error (a "
      "missing or unknown option, a value that is not a number or lies outside what the program holds, an "
      "output folder that does not exist).");

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
  renderCommand->add_option("-o,--output", png, "The PNG file to write")->required()->check(existingFolder());

  ExportRequest request;
  CLI::App* exportCommand = cli.add_subcommand(
      "export", "Open DEM, select an area and write the grid points inside it, one line each (x, y, "
                "elevation), as File, Open, a selection and the Write File As dialog would. Prints "
                "\"N points written to OUT\"; a dropped selection or a failure goes to standard error, status 1.");
  exportCommand->add_option("DEM", request.dem, "The DEM file to open")->required();
  auto* selections = exportCommand->add_option_group("selection", "Exactly one selection");
  const CLI::Validator ground = fieldRange(std::numeric_limits<std::int32_t>::min(),
                                           std::numeric_limits<std::int32_t>::max());
  const CLI::Validator client = fieldRange(std::numeric_limits<std::int16_t>::min(),
                                           std::numeric_limits<std::int16_t>::max());
  selections->add_option("--rect", request.rect, "MINX MINY MAXX MAXY: a rectangle in ground units")
      ->expected(4)
      ->check(ground);
  selections->add_option("--circle", request.circle, "CX CY R: a circle in ground units")->expected(3)->check(ground);
  selections->add_option("--drag-rect", request.dragRect,
                         "X0 Y0 X1 Y1: a rectangle dragged in client pixels of the map window")
      ->expected(4)
      ->check(client);
  selections->add_option("--drag-circle", request.dragCircle,
                         "AX AY EX EY: a circle dragged from its centre in client pixels of the map window")
      ->expected(4)
      ->check(client);
  selections->require_option(1);
  exportCommand->add_option("--format", request.format, "csv (comma separated, the default) or txt (space separated)")
      ->check(CLI::IsMember({"csv", "txt"}));
  exportCommand->add_option("--thin", request.thin,
                            "Profiles and elevations passed over between two written points (default 0); a "
                            "dragged selection takes what the dialog's two-digit field takes")
      ->check(CLI::Range(0, 32767));
  exportCommand->add_option("-o,--output", request.out, "The point file to write (replaced if it exists)")
      ->required()
      ->check(existingFolder());

  try {
    cli.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    int status = cli.exit(e, out, err);  // 0 for --help, CLI11's own codes otherwise
    return status == 0 ? 0 : kUsageError;
  }
  if (*infoCommand) return info(dem, json, out, err);
  if (*renderCommand) return render(dem, png, err);
  if (*exportCommand) {
    bool dragged = !request.dragRect.empty() || !request.dragCircle.empty();
    if (dragged && std::to_string(request.thin).size() > static_cast<std::size_t>(platform::kEditFieldDigits)) {
      err << "tarnwick-cli: --thin: the export dialog takes at most " << platform::kEditFieldDigits << " digits\n";
      return kUsageError;
    }
    return exportSelection(request, out, err);
  }
  return 1;
}
