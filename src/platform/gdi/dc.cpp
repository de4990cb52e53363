// Device contexts on a window's client framebuffer, and the GDI objects.
#include <algorithm>

#include "platform/backend.h"
#include "platform/gdi/raster.h"
#include "platform/platform_state.h"

namespace {

HBRUSH__* stockBrush(int object) {
  static HBRUSH__ black(0), white(0xFFFFFF);
  black.stock = white.stock = true;
  if (object == BLACK_BRUSH) return &black;
  if (object == 0 /* WHITE_BRUSH */) return &white;
  return nullptr;
}

HPEN__* defaultPen() {
  static HPEN__ pen(PS_SOLID, 1, 0);  // BLACK_PEN
  pen.stock = true;
  return &pen;
}

}  // namespace

namespace {

template <typename T>
HGDIOBJ swapSelection(T*& slot, T* object) {
  T* previous = slot;
  if (previous) --previous->selections;
  slot = object;
  if (object) ++object->selections;
  return previous;
}

}  // namespace

static HFONT__* systemFont() {
  static HFONT__ font(16, FW_BOLD, false, "System");
  font.stock = true;
  return &font;
}

HDC WINAPI GetDC(HWND window) {
  if (!platform::isWindow(window)) return nullptr;
  HDC dc = new HDC__;
  dc->window = window;
  swapSelection(dc->pen, defaultPen());
  swapSelection(dc->brush, stockBrush(0));
  swapSelection(dc->font, systemFont());
  return dc;
}

int WINAPI ReleaseDC(HWND window, HDC dc) {
  if (!dc || dc->window != window) return 0;
  swapSelection(dc->pen, static_cast<HPEN__*>(nullptr));
  swapSelection(dc->brush, static_cast<HBRUSH__*>(nullptr));
  swapSelection(dc->font, static_cast<HFONT__*>(nullptr));
  if (platform::isWindow(window)) platform::backend().present(window);
  delete dc;
  return 1;
}

BOOL WINAPI GetClientRect(HWND window, LPRECT rect) {
  if (!platform::isWindow(window) || !rect) return FALSE;
  *rect = {0, 0, window->clientWidth, window->clientHeight};
  return TRUE;
}

HGDIOBJ WINAPI GetStockObject(int object) {
  HGDIOBJ stock = stockBrush(object);
  if (!stock) PLATFORM_UNIMPLEMENTED("GetStockObject other than BLACK_BRUSH and WHITE_BRUSH");
  return stock;
}

HBRUSH WINAPI CreateSolidBrush(COLORREF colour) { return new HBRUSH__(colour & 0xFFFFFF); }

HPEN WINAPI CreatePen(int style, int width, COLORREF colour) {
  if (style != PS_SOLID) PLATFORM_UNIMPLEMENTED("CreatePen other than PS_SOLID");
  return new HPEN__(style, width, colour & 0xFFFFFF);
}

HGDIOBJ WINAPI SelectObject(HDC dc, HGDIOBJ object) {
  if (!dc || !object) return nullptr;
  auto* gdi = static_cast<GdiObject*>(object);
  switch (gdi->kind) {
    case GdiObject::Brush: return swapSelection(dc->brush, static_cast<HBRUSH__*>(gdi));
    case GdiObject::Pen: return swapSelection(dc->pen, static_cast<HPEN__*>(gdi));
    case GdiObject::Font: return swapSelection(dc->font, static_cast<HFONT__*>(gdi));
  }
  return nullptr;
}

BOOL WINAPI DeleteObject(HGDIOBJ object) {
  auto* gdi = static_cast<GdiObject*>(object);
  if (!gdi || gdi->stock || gdi->selections > 0) return FALSE;
  delete gdi;
  return TRUE;
}

int WINAPI FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
  if (!dc || !rect || !brush) return 0;
  platform::Raster raster(dc->window);
  raster.fill(rect->left, rect->top, rect->right, rect->bottom, brush->colour);
  return 1;
}

COLORREF WINAPI SetPixel(HDC dc, int x, int y, COLORREF colour) {
  if (!dc) return CLR_INVALID;
  platform::Raster raster(dc->window);
  if (!raster.inside(x, y)) return CLR_INVALID;
  raster.at(x, y) = colour & 0xFFFFFF;
  return colour & 0xFFFFFF;
}

int WINAPI SetROP2(HDC dc, int mode) {
  if (!dc) return 0;
  if (mode != R2_COPYPEN && mode != R2_NOTXORPEN) PLATFORM_UNIMPLEMENTED("SetROP2 mode");
  int previous = dc->rop2;
  dc->rop2 = mode;
  return previous;
}
