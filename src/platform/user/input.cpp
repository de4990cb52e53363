// Cursors, mouse capture and the cursor clip.
#include <algorithm>

#include "platform/backend.h"
#include "platform/platform_state.h"

using platform::state;

namespace {

HCURSOR__* systemCursor(int id) {
  static HCURSOR__ arrow{32512}, wait{32514};
  if (id == 32512) return &arrow;
  if (id == 32514) return &wait;
  return nullptr;
}

}  // namespace

HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name) {
  static HICON__ application{32512};
  if (instance || !IS_INTRESOURCE(name) || reinterpret_cast<UINT_PTR>(name) != 32512) {
    PLATFORM_UNIMPLEMENTED("LoadIconA other than IDI_APPLICATION");
    return nullptr;
  }
  return &application;
}

HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name) {
  HCURSOR cursor = (!instance && IS_INTRESOURCE(name)) ? systemCursor(static_cast<int>(reinterpret_cast<UINT_PTR>(name))) : nullptr;
  if (!cursor) PLATFORM_UNIMPLEMENTED("LoadCursorA other than IDC_ARROW and IDC_WAIT");
  return cursor;
}

HCURSOR WINAPI SetCursor(HCURSOR cursor) {
  HCURSOR previous = state().cursor;
  state().cursor = cursor;
  state().cursorHistory.push_back(cursor ? cursor->id : 0);
  platform::backend().cursorChanged();
  return previous;
}

HWND WINAPI SetCapture(HWND window) {
  HWND previous = state().capture;
  state().capture = platform::isWindow(window) ? window : nullptr;
  return previous;
}

BOOL WINAPI ReleaseCapture(void) {
  state().capture = nullptr;
  return TRUE;
}

BOOL WINAPI ClientToScreen(HWND window, LPPOINT point) {
  if (!platform::isWindow(window) || !point) return FALSE;
  bool caption = (window->style & WS_CAPTION) == WS_CAPTION;
  int border = caption ? platform::kFrameBorder : 0;
  point->x += window->frame.left + border;
  point->y += window->frame.top + border + (caption ? platform::kCaptionHeight : 0) +
              (window->menu ? platform::kMenuHeight : 0);
  return TRUE;
}

BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom) {
  if (!rect) return FALSE;
  *rect = {left, top, right, bottom};
  return TRUE;
}

BOOL WINAPI ClipCursor(const RECT* rect) {
  state().clipActive = rect != nullptr;
  if (rect) state().clip = *rect;
  return TRUE;
}

namespace platform {

LPARAM heldPosition(HWND window, int x, int y) {
  if (state().clipActive) {
    POINT p{x, y}, origin{0, 0};
    ClientToScreen(window, &p);
    ClientToScreen(window, &origin);
    RECT clip = state().clip;
    // The right and bottom edges lie outside the clip rectangle.
    p.x = std::max(clip.left, std::min(p.x, clip.right - 1));
    p.y = std::max(clip.top, std::min(p.y, clip.bottom - 1));
    x = p.x - origin.x, y = p.y - origin.y;
  }
  return MAKELPARAM(x, y);
}

}  // namespace platform
