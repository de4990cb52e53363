#include "export/point_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "app/app_state.h"
#include "dem/conversions.h"
#include "dem/profile_cursor.h"
#include "dem/text_field.h"
#include "export/elevation_text.h"

namespace {

constexpr double kFeetToMetres = 0.3048;

void showError(HWND owner, const char* what, const char* path) {
  copyText(app.lineText, what);
  appendText(app.lineText, path);
  MessageBoxA(owner, app.lineText, "Error", MB_OK | MB_ICONEXCLAMATION);
}

bool askForOutputPath(HWND owner) {
  app.outPath[0] = '\0';
  bool csv = app.csvFormat == 1;
  OPENFILENAMEA ofn;
  std::memset(&ofn, 0, sizeof ofn);
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = csv ? "CSV Files (*.csv)\0*.csv\0" : "TXT Files (*.txt)\0*.txt\0";
  ofn.lpstrFile = app.outPath;
  ofn.nMaxFile = kPathCapacity;
  ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  ofn.lpstrDefExt = csv ? "csv" : "txt";
  GetSaveFileNameA(&ofn);
  app.outPath[kPathCapacity - 1] = '\0';
  return app.outPath[0] != '\0';
}

// The chosen file is the DEM itself under any name (a relative path, "..",
// a symbolic or hard link): same file identity, not same text. Creating the
// output first would empty the DEM before it is read.
bool replacesDemFile() {
  std::error_code error;
  return std::filesystem::equivalent(app.outPath, app.demPath, error) && !error;
}

// Creates (or empties) the chosen file at once, before anything else.
bool createOutputFile() {
  HANDLE file = CreateFileA(app.outPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

// Writes the coordinate's integer text and returns its length.
template <std::size_t N>
std::size_t integerText(char (&text)[N], float coordinate) {
  char* end = std::to_chars(text, text + N - 1, truncate32(coordinate)).ptr;
  *end = '\0';
  return static_cast<std::size_t>(end - text);
}

void stepNorth() { app.pointY = toSingle(double(app.pointY) + double(app.exactSpacingY)); }

bool inside() {
  app.outsideCount = 0;
  double x = app.profileX, y = app.pointY;
  if (app.areaType == AreaType::Rectangle) {
    app.outsideCount += app.selMinX > x;
    app.outsideCount += app.selMaxX < x;
    app.outsideCount += app.selMinY > y;
    app.outsideCount += app.selMaxY < y;
  } else {
    // The true distance: no 16-bit reduction of dx and dy.
    double dx = std::fabs(std::trunc(x - app.circleCenterX)), dy = std::fabs(std::trunc(y - app.circleCenterY));
    if (std::sqrt(dx * dx + dy * dy) > app.circleRadius) app.outsideCount = 1;
  }
  return app.outsideCount == 0;
}

// Reads the point's elevation and writes its line; false when its six
// characters were cut off by the end of the file (nothing is written then).
// The line is formed in place in the output buffer: it runs once per
// written point.
bool writePoint(std::size_t xLength) {
  app.demStream.read(app.fieldText, kElevationWidth);
  if (app.demStream.endOfFile()) return false;
  float z = toSingle(toReal(app.fieldText) * app.vertRes);
  if (app.convertFeet == 1) z = toSingle(z * kFeetToMetres);
  char* p = app.outStream.reserveLine();
  std::memcpy(p, app.xText, sizeof app.xText);  // whole field: a fixed-size copy, then cut at its length
  p += xLength;
  *p++ = app.separator[0];
  p = std::to_chars(p, p + sizeof app.yText, truncate32(app.pointY)).ptr;
  *p++ = app.separator[0];
  p += formatElevation(z, p, sizeof app.zText);
  app.outStream.commitLine(p);
  return true;
}

// Walks every profile, thinned by removeCount; returns the count written.
// `cutShort` tells whether an included point could not be read whole.
std::int32_t walkAndWrite(bool& cutShort) {
  std::int32_t written = 0;
  std::int16_t n = app.removeCount;
  startWalk();
  for (app.columnIndex = 0; app.columnIndex < app.columnCount; ++app.columnIndex) {
    beginProfile();
    for (app.columnSkip = 0; app.columnSkip < n && app.columnIndex + 1 < app.columnCount; ++app.columnSkip) {
      skipProfile();
      ++app.columnIndex;
    }
    if (app.columnSkip < n) break;  // the profiles ran out while skipping
    readProfileOrigin();
    std::size_t xLength = integerText(app.xText, app.profileX);
    for (app.rowIndex = 0; app.rowIndex < app.profileRows; ++app.rowIndex) {
      for (app.skipCount = 0; app.skipCount < n && app.rowIndex < app.profileRows; ++app.skipCount) {
        stepElevation(app.rowIndex);
        stepNorth();
        ++app.rowIndex;
      }
      if (app.rowIndex >= app.profileRows) break;
      app.demStream.seek(app.filePos);
      if (inside()) {
        if (writePoint(xLength))
          ++written;
        else
          cutShort = true;
      }
      stepNorth();
      stepElevation(app.rowIndex);
    }
    finishProfile();
  }
  return written;
}

void exportPoints(HWND owner) {
  app.outStream.open(app.outPath);
  app.demStream.open(app.demPath);
  if (!app.outStream.good()) {
    app.outStream.close();
    app.demStream.close();
    return showError(owner, "The point file could not be written:\n", app.outPath);
  }
  if (app.demStream.failed()) {
    app.outStream.close();
    return showError(owner, "The DEM file could not be opened:\n", app.demPath);
  }
  copyText(app.separator, app.csvFormat == 1 ? "," : " ");
  bool cutShort = false;
  std::int32_t written = walkAndWrite(cutShort);
  // A file shorter than its profiles say fails the stream on the way.
  bool endedEarly = cutShort || app.demStream.failed();
  bool saved = app.outStream.close();
  app.demStream.close();
  if (!saved) return showError(owner, "The point file could not be written:\n", app.outPath);

  std::snprintf(app.numText, sizeof app.numText, "%ld", static_cast<long>(written));
  copyText(app.lineText, endedEarly ? "The DEM file ended early.\n" : "");
  appendText(app.lineText, app.numText);
  appendText(app.lineText, " points written to ");
  appendText(app.lineText, app.outPath);
  if (endedEarly)
    MessageBoxA(owner, app.lineText, "Error", MB_OK | MB_ICONEXCLAMATION);
  else
    MessageBoxA(owner, app.lineText, "File Saved", MB_OK);
}

}  // namespace

int writeSelectedPoints(HWND owner) {
  bool chosen = askForOutputPath(owner);
  if (chosen && replacesDemFile()) {
    showError(owner, "The point file would replace the DEM file it is read from:\n", app.outPath);
    return 0;
  }
  bool created = chosen && createOutputFile();
  SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  if (chosen && !created)
    showError(owner, "The point file could not be written:\n", app.outPath);
  else if (chosen)
    exportPoints(owner);
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  return 0;
}
