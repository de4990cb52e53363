#include "display/map_view.h"

#include "app/app_state.h"
#include "dem/wrap_int.h"
#include "display/banner_text.h"
#include "display/elevation_plot.h"
#include "display/map_layout.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kFrameRed = 0x0000FF;
constexpr int kTitleHeight = 30;
constexpr int kRowHeight = 18;

HFONT createBannerFont(int height, bool italic) {
  return CreateFontA(height, 0, 0, 0, FW_BOLD, italic, FALSE, FALSE, 0, 0, 0, 0, 0, "Times New Roman");
}

void drawText(HDC dc, int x, int y, const char* text) { TextOutA(dc, x, y, text, lstrlenA(text)); }

struct BannerRow {
  BannerLine line;
  int x;
  bool belowMap;  // y = mapBottom + 4, else y = 6
};
constexpr BannerRow kRows[] = {
    {DatumLine, 760, false},       {ZoneLine, 885, false},         {FilenameLine, 4, false},
    {GridSpacingLine, 20, true},   {MinElevationLine, 170, true},  {MaxElevationLine, 310, true},
    {VertResLine, 455, true},      {ColumnsLine, 635, true},       {TotalPointsLine, 765, true},
};

}  // namespace

int drawMap(HWND window) {
  HDC dc = GetDC(window);
  SetTextColor(dc, kWhite);
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_CENTER | TA_BASELINE);

  // Each object is selected out again before it is deleted: GDI refuses to
  // delete an object still selected, and it would leak at every paint.
  HFONT titleFont = createBannerFont(kTitleHeight, true);
  HGDIOBJ originalFont = SelectObject(dc, titleFont);
  drawText(dc, kMapCenterX, wrapSub32(app.mapTop, 8), composeBannerLine(TitleLine));
  SelectObject(dc, originalFont);
  DeleteObject(titleFont);

  SetTextColor(dc, kWhite);
  SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  HFONT rowFont = createBannerFont(kRowHeight, false);
  SelectObject(dc, rowFont);
  for (const BannerRow& row : kRows)
    drawText(dc, row.x, row.belowMap ? wrapAdd32(app.mapBottom, 4) : 6, composeBannerLine(row.line));
  SelectObject(dc, originalFont);
  DeleteObject(rowFont);

  HBRUSH boxBrush = CreateSolidBrush(kBlack);
  HPEN framePen = CreatePen(PS_SOLID, 3, kFrameRed);
  HGDIOBJ originalBrush = SelectObject(dc, boxBrush);
  HGDIOBJ originalPen = SelectObject(dc, framePen);
  Rectangle(dc, app.mapLeft, app.mapTop, app.mapRight, app.mapBottom);
  SelectObject(dc, originalPen);
  SelectObject(dc, originalBrush);
  DeleteObject(framePen);
  DeleteObject(boxBrush);

  SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  plotElevations(dc);
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  ReleaseDC(window, dc);
  return 0;
}

void fillClientBlack(HWND window, HDC dc) {
  HBRUSH black = CreateSolidBrush(0);
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, black);
  DeleteObject(black);
}

void clearScreen(HWND window) {
  HDC dc = GetDC(window);
  fillClientBlack(window, dc);
  ReleaseDC(window, dc);
  app.mapShown = 0;
}
