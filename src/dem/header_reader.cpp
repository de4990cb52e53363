#include "dem/header_reader.h"

#include <algorithm>
#include <cstring>

#include "app/app_state.h"
#include "dem/conversions.h"
#include "dem/profile_cursor.h"
#include "dem/text_field.h"
#include "dem/wrap_int.h"

// Type A header fields: byte position (from 0) and characters read.
constexpr std::int32_t kLineBreakProbe = 1024;  // first byte after the header record: the check reads up to it
constexpr std::int32_t kGroundUnitDigit = 533;  // last digit of the ground unit code (528-533)
constexpr std::int32_t kElevUnitDigit = 539;    // last digit of the elevation unit code (534-539)
constexpr std::int32_t kZone = 162, kZoneWidth = 6;
constexpr std::int32_t kResolutions = 816, kResolutionWidth = 12;  // x, y, z: 816, 828, 840
constexpr std::int32_t kSouthWestX = 546, kSouthWestY = 570;       // corners: 24-character reals
constexpr std::int32_t kNorthWestX = 594, kNorthWestY = 618;       // with D exponents
constexpr std::int32_t kNorthEastX = 642, kNorthEastY = 666;
constexpr std::int32_t kSouthEastX = 690, kSouthEastY = 714;
constexpr std::int32_t kCornerWidth = 24;
constexpr std::int32_t kElevations = 738, kElevationWidthA = 24;  // minimum, then maximum at 762
constexpr std::int32_t kColumnCount = 858, kColumnCountWidth = 6;
constexpr std::int32_t kVerticalDatum = 888, kVerticalDatumWidth = 2;

const char* const kLineBreakMessage = "      File written with newlines.\nRe-write file without newline switch.    ";
const char* const kArcSecondMessage =
    "       Can't read files based on arc seconds.\nOpen file with Qarn (https://qarn.example.org/help/save-as-utm)  "
    "\n       and save dem file to UTM projection.";
const char* const kUnknownProducerMessage = "Can't read as valid DEM file.  ";
const char* const kZeroExtentMessage = "Invalid or missing data in file.  ";
const char* const kTooLargeMessage = "Can't read DEM files larger than 2 GB.  ";

namespace {

const char* readAt(std::int32_t position, int count, int stop = '\n') {
  app.demStream.seek(position);
  app.demStream.read(app.fieldText, count, stop);
  return app.fieldText;
}

const char* readNext(int count, int stop = '\n') {
  app.demStream.read(app.fieldText, count, stop);
  return app.fieldText;
}

bool reject(HWND window, const char* message) {
  MessageBoxA(window, message, "Error", MB_OK | MB_ICONEXCLAMATION);
  app.demStream.close();
  app.fileRejected = 1;
  app.mapShown = 0;
  return false;
}

// The name part (up to a comma), the state part, and for code 2 a suffix.
void composeTopoName(ProducerCode code) {
  app.topoName[0] = '\0';
  appendText(app.topoName, readAt(0, 30, ','));
  appendText(app.topoName, readNext(4));
  if (code == QarnDash) {
    readNext(2);
    appendText(app.topoName, readNext(8));
  } else if (code == Sdts2Dem) {
    appendText(app.topoName, "  ");
  }
}

// Tries the signatures in order; the comparison is with the last text read.
ProducerCode recogniseProducer() {
  if (std::strcmp(readAt(0, 31), "Digital Elevation Model by Qarn") == 0) {
    copyText(app.topoName, app.fieldText);
    return QarnTitle;
  }
  readAt(0, 29, '-');
  if (std::strcmp(readNext(9), "- by Qarn") == 0) return QarnDash;
  readAt(0, 29, '-');
  if (std::strcmp(readNext(16), "-24000 - by Qarn") == 0) return Qarn24000;
  readAt(0, 39);
  readNext(59, '(');
  if (std::strcmp(readNext(18), "(SDTS2DEM v.0.018)") == 0) return Sdts2Dem;
  return NoMap;
}

// A file whose records end in line breaks has one right after the header;
// one written with lines of another length has it earlier, and every field
// would be read at the wrong place. A valid header holds none.
bool hasLineBreak() {
  // One character at a time: a NUL byte in the header must not hide what follows it.
  app.demStream.seek(0);
  for (std::int32_t position = 0; position <= kLineBreakProbe; ++position) {
    if (readNext(1, DemStream::kNoStop)[0] == '\n') return true;
    if (app.demStream.endOfFile()) return false;
  }
  return false;
}

void readUnitText(std::int32_t position, char (&unitText)[8]) {
  char c = readAt(position, 1)[0];
  if (c == '1') copyText(unitText, " feet");
  if (c == '2') copyText(unitText, " meters");
}

std::int32_t cornerAt(std::int32_t position) { return truncate32(toRealD(readAt(position, kCornerWidth))); }

void readCorners() {
  std::int32_t southWestX = cornerAt(kSouthWestX), northWestX = cornerAt(kNorthWestX);
  std::int32_t northEastX = cornerAt(kNorthEastX), southEastX = cornerAt(kSouthEastX);
  std::int32_t southWestY = cornerAt(kSouthWestY), southEastY = cornerAt(kSouthEastY);
  std::int32_t northWestY = cornerAt(kNorthWestY), northEastY = cornerAt(kNorthEastY);
  app.minX = std::min(southWestX, northWestX);
  app.maxX = std::max(northEastX, southEastX);
  app.minY = std::min(southWestY, southEastY);
  app.maxY = std::max(northWestY, northEastY);
}

}  // namespace

bool readDemFile(HWND window) {
  app.demStream.open(app.demPath);

  if (hasLineBreak()) return reject(window, kLineBreakMessage);
  if (toInteger(readAt(kGroundUnitDigit, 1)) == 3) return reject(window, kArcSecondMessage);

  // Some producers write the resolutions with Fortran D exponents too; read
  // as plain reals, 3.000000D+01 would be a 3 m grid instead of 30 m.
  app.gridSpacingX = truncate16(toRealD(readAt(kResolutions, kResolutionWidth)));
  app.exactSpacingX = toSingle(toRealD(app.fieldText));
  app.gridSpacingY = truncate16(toRealD(readNext(kResolutionWidth)));
  app.exactSpacingY = toSingle(toRealD(app.fieldText));
  app.vertRes = toSingle(toRealD(readNext(kResolutionWidth)));

  app.mapShown = 0;
  ProducerCode code = recogniseProducer();
  if (code == NoMap) return reject(window, kUnknownProducerMessage);
  app.mapShown = code;
  if (code != QarnTitle) composeTopoName(code);

  readUnitText(kGroundUnitDigit, app.groundUnitText);
  readUnitText(kElevUnitDigit, app.elevUnitText);
  app.convertFeet = (app.groundUnitText[1] == 'm' && app.elevUnitText[1] == 'f') ? 1 : 0;

  app.zone = wrap16(toInteger(readAt(kZone, kZoneWidth)));
  app.verticalDatum = wrap16(toInteger(readAt(kVerticalDatum, kVerticalDatumWidth)));

  readCorners();
  app.extentX = wrapSub32(app.maxX, app.minX);
  app.extentY = wrapSub32(app.maxY, app.minY);
  if (app.extentX == 0 || app.extentY == 0) return reject(window, kZeroExtentMessage);

  app.minElevation = toSingle(toRealD(readAt(kElevations, kElevationWidthA)));
  app.maxElevation = toSingle(toRealD(readNext(kElevationWidthA)));
  app.columnCount = wrap16(toInteger(readAt(kColumnCount, kColumnCountWidth)));

  if (!countProfilePoints()) return reject(window, kTooLargeMessage);

  app.demStream.close();
  return true;
}
