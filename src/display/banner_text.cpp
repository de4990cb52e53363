#include "display/banner_text.h"

#include <cstdio>

#include "app/app_state.h"
#include "dem/text_field.h"

namespace {

const char* datumName(int datum) {
  switch (datum) {
    case 1: return "Sea Level";
    case 2: return "NGV29";
    case 3: return "NGVD88";
    default: return "? ?";
  }
}

void appendNumber(const char* format, double value) {
  std::snprintf(app.numText, sizeof app.numText, format, value);
  appendText(app.lineText, app.numText);
}

void appendInteger(long value) {
  std::snprintf(app.numText, sizeof app.numText, "%ld", value);
  appendText(app.lineText, app.numText);
}

void lowerCaseInPlace(char* text) {
  for (char* p = text; *p; ++p)
    if (*p >= 'A' && *p <= 'Z') *p = static_cast<char>(*p - 'A' + 'a');
}

}  // namespace

const char* composeBannerLine(BannerLine line) {
  switch (line) {
    case TitleLine:
      copyText(app.lineText, "Topo Name: ");
      appendText(app.lineText, app.topoName);
      break;
    case DatumLine:
      copyText(app.lineText, "V.Data: ");
      copyText(app.fieldText, datumName(app.verticalDatum));
      appendText(app.lineText, app.fieldText);
      break;
    case ZoneLine:
      copyText(app.lineText, "Zone: ");
      appendInteger(app.zone);
      break;
    case FilenameLine:
      lowerCaseInPlace(app.fileTitle);
      copyText(app.lineText, "Filename: ");
      appendText(app.lineText, app.fileTitle);
      break;
    case GridSpacingLine:
      copyText(app.lineText, "Grid Sp: ");
      std::snprintf(app.fieldText, sizeof app.fieldText, "%d", app.gridSpacingX);
      appendText(app.lineText, app.fieldText);
      appendText(app.lineText, app.groundUnitText);
      break;
    case MinElevationLine:
      copyText(app.lineText, "Min. El: ");
      appendNumber("%.1f", app.minElevation);
      break;
    case MaxElevationLine:
      copyText(app.lineText, "Max. El: ");
      appendNumber("%.1f", app.maxElevation);
      break;
    case VertResLine:
      copyText(app.lineText, "Vert Res: ");
      appendNumber("%3.1f", app.vertRes);
      appendText(app.lineText, app.elevUnitText);
      break;
    case ColumnsLine:
      copyText(app.lineText, "No. Cols: ");
      appendInteger(app.columnCount);
      break;
    case TotalPointsLine:
      copyText(app.lineText, "Total # Points: ");
      appendInteger(app.totalPoints);
      break;
  }
  return app.lineText;
}
