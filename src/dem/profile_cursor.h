// Walking the profiles (grid columns) by byte arithmetic alone. A profile
// starts on a 1024-byte boundary, the first at 1024: a 144-byte profile
// header, then 6-character elevations, 1020 data bytes and 4 filler bytes per
// block. The cursor (filePos, blockEnd, profileRows in the record) moves from
// field to field; every read is a seek to a computed position.
#pragma once

#include <cstdint>

constexpr std::int32_t kBlockSize = 1024;
constexpr std::int32_t kBlockData = 1020;      // data bytes of a block; the last 4 are filler
constexpr std::int32_t kProfileHeader = 144;   // bytes before elevation 0
constexpr std::int32_t kElevationWidth = 6;    // characters per elevation
constexpr std::int32_t kRowsOffset = 12;       // elevation count m, 6 characters
constexpr std::int32_t kOriginOffset = 24;     // ground x then y, 24 characters each
constexpr std::int32_t kOriginWidth = 24;

// Ceiling of (144 + 6m) / 1020; toward zero for negative m (a wrapped count).
std::int16_t blocksForProfile(std::int16_t m);
void startWalk();
void beginProfile();
void skipProfile();
void readProfileOrigin();
void stepElevation(std::int16_t index);
void finishProfile();
// Sums the declared elevation counts of all profiles into totalPoints.
// False when the profiles, by those counts, reach past what a 32-bit file
// position addresses (a file larger than 2 GiB).
bool countProfilePoints();
