#include "dem/profile_cursor.h"

#include "app/app_state.h"
#include "dem/conversions.h"
#include "dem/wrap_int.h"

std::int16_t blocksForProfile(std::int16_t m) {
  std::int32_t bytes = kProfileHeader + kElevationWidth * m;
  return static_cast<std::int16_t>(bytes > 0 ? (bytes + kBlockData - 1) / kBlockData : bytes / kBlockData);
}

namespace {

void readProfileRows() {
  app.demStream.seek(app.filePos);
  app.demStream.read(app.fieldText, 6);
  app.profileRows = wrap16(toInteger(app.fieldText));
}

}  // namespace

void startWalk() {
  app.blockEnd = 2 * kBlockSize;
  app.filePos = kBlockSize + 1;
}

void beginProfile() {
  app.filePos = wrapAdd32(app.filePos, kRowsOffset - 1);
  readProfileRows();
}

void skipProfile() {
  app.blockCount = blocksForProfile(app.profileRows);
  std::int32_t bytes = wrapMul32(kBlockSize, app.blockCount);
  app.filePos = wrapAdd32(app.filePos, bytes);
  app.blockEnd = wrapAdd32(app.blockEnd, bytes);
  readProfileRows();
}

void readProfileOrigin() {
  app.filePos = wrapAdd32(app.filePos, kOriginOffset - kRowsOffset);
  app.demStream.seek(app.filePos);
  app.demStream.read(app.fieldText, kOriginWidth);
  app.profileX = toSingle(toRealD(app.fieldText));
  app.demStream.read(app.fieldText, kOriginWidth);
  app.pointY = toSingle(toRealD(app.fieldText));
  app.filePos = wrapAdd32(app.filePos, kProfileHeader - kOriginOffset);
  app.demStream.seek(app.filePos);
}

void stepElevation(std::int16_t index) {
  app.filePos = wrapAdd32(app.filePos, kElevationWidth);
  // Elevations fill the 1020 data bytes exactly, so the filler is met only
  // right after the last elevation of a full block.
  if (wrapSub32(app.blockEnd, app.filePos) == kBlockSize - kBlockData && index < app.profileRows - 1) {
    app.filePos = wrapAdd32(app.filePos, kBlockSize - kBlockData);
    app.blockEnd = wrapAdd32(app.blockEnd, kBlockSize);
  }
}

void finishProfile() {
  app.filePos = wrapAdd32(app.blockEnd, 1);
  app.blockEnd = wrapAdd32(app.blockEnd, kBlockSize);
}

bool countProfilePoints() {
  app.filePos = kBlockSize + kRowsOffset;
  app.totalPoints = 0;
  // The same walk in 64 bits: where the 32-bit position wraps, every later
  // read would be made at a wrong place.
  std::int64_t reach = app.filePos;
  bool addressable = true;
  for (std::int16_t i = 0; i < app.columnCount; ++i) {
    readProfileRows();
    app.totalPoints = wrapAdd32(app.totalPoints, app.profileRows);
    std::int32_t bytes = wrapMul32(kBlockSize, blocksForProfile(app.profileRows));
    app.filePos = wrapAdd32(app.filePos, bytes);
    reach += bytes;
    if (reach > INT32_MAX) addressable = false;
  }
  return addressable;
}
