// The one record of all program state. Every handler reads and writes its
// fields in place; nothing else is shared. Integer fields wrap like the 16- and
// 32-bit values they are; reals are single precision. Text fields are fixed
// buffers at least as large as the longest text composed into them, written
// only through copyText/appendText.
#pragma once

#include <cstdint>

#include "dem/dem_stream.h"
#include "export/out_stream.h"

// The selection shape (areaType). A namespace, not an enumeration, so the
// names do not meet GDI's Rectangle().
namespace AreaType {
constexpr std::int16_t Circle = 0;
constexpr std::int16_t Rectangle = 1;
}  // namespace AreaType

constexpr int kPathCapacity = 260;  // what the file dialogs are given, terminator included

struct AppFields {
  // Files
  char demPath[kPathCapacity] = {};
  char fileTitle[kPathCapacity] = {};
  char outPath[kPathCapacity] = {};

  // Status flags
  std::int16_t mapShown = 0;  // > 0: a map is on the screen; after Open, the producer code
  std::int16_t fileChosen = 0;
  std::int16_t fileRejected = 0;
  std::int16_t areaType = AreaType::Rectangle;

  // Header facts
  char topoName[43] = {};
  char groundUnitText[8] = {};
  char elevUnitText[8] = {};
  std::int16_t convertFeet = 0;
  std::int16_t zone = 0;
  std::int16_t verticalDatum = 0;
  std::int16_t gridSpacingX = 0;
  std::int16_t gridSpacingY = 0;
  float vertRes = 0;
  // The header's y spacing itself: non-whole spacings (LIDAR grids) would put
  // every point at the wrong y if stepped by the truncated gridSpacingY.
  float exactSpacingX = 0;
  float exactSpacingY = 0;
  std::int32_t minX = 0, maxX = 0, minY = 0, maxY = 0;
  std::int32_t extentX = 0, extentY = 0;
  float minElevation = 0, maxElevation = 0;
  std::int16_t columnCount = 0;
  std::int32_t totalPoints = 0;

  // Profile walking
  std::int32_t filePos = 0;
  std::int32_t blockEnd = 0;
  std::int16_t profileRows = 0;
  std::int16_t blockCount = 0;
  std::int16_t columnIndex = 0;
  std::int16_t rowIndex = 0;
  std::int16_t columnSkip = 0;
  std::int16_t skipCount = 0;
  float profileX = 0;
  float pointY = 0;
  float elevation = 0;

  // Map layout
  std::int16_t mapCenterX = 0, mapCenterY = 0;
  float mapScale = 0;
  std::int32_t mapLeft = 0, mapRight = 0, mapTop = 0, mapBottom = 0;
  float elevationRange = 0;
  std::int16_t drawSkip = 0;

  // Selection
  std::int16_t anchorX = 0, anchorY = 0;
  std::int16_t dragX = 0, dragY = 0;
  std::int16_t bandX = 0, bandY = 0;
  std::int16_t releaseX = 0, releaseY = 0;
  std::int32_t bandDrawn = 0;
  std::int32_t circleFits = 0;
  std::int16_t selLeft = 0, selRight = 0, selTop = 0, selBottom = 0;
  std::int32_t selMinX = 0, selMaxX = 0, selMinY = 0, selMaxY = 0;
  std::int32_t circleCenterX = 0, circleCenterY = 0;
  std::int32_t circleRadius = 0;  // kept whole: a ground radius above 32767 is not cut
  std::int16_t selCols = 0, selRows = 0;

  // Export options
  std::int16_t csvFormat = 0;
  std::int16_t removeCount = 0;
  char separator[2] = {};
  std::int16_t outsideCount = 0;

  // Scratch texts. zText and fieldText are larger than the six-digit form
  // needs so that any single-precision elevation keeps all its digits.
  char fieldText[96] = {};
  char lineText[289] = {};
  char numText[43] = {};
  char xText[12] = {};
  char yText[12] = {};
  char zText[48] = {};
};

struct AppState : AppFields {
  DemStream demStream;
  OutStream outStream;
};

extern AppState app;

// Back to the state at program start: fields as initialised, streams closed.
void resetAppState();
