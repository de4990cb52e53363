// The texts of the info banner: the title above the map and the header facts
// in the rows around it, each composed in lineText.
#pragma once

enum BannerLine {
  TitleLine,
  DatumLine,
  ZoneLine,
  FilenameLine,
  GridSpacingLine,
  MinElevationLine,
  MaxElevationLine,
  VertResLine,
  ColumnsLine,
  TotalPointsLine,
};
constexpr int kBannerLineCount = TotalPointsLine + 1;

// Composes `line` into lineText and returns it. The file-name line turns
// fileTitle to lower case in place, as the banner shows it.
const char* composeBannerLine(BannerLine line);
