// What our Win32 subset keeps behind its handles: windows with their client
// framebuffers, menus, GDI objects, device contexts, the message queue, and the
// mouse capture, cursor clip and current cursor. Shared by the layer's parts;
// never included by program code.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32.h"

// Reports a call or argument the layer does not implement: loudly, never
// silently; debug builds stop there.
void platformUnimplemented(const char* what, const char* file, int line);
#define PLATFORM_UNIMPLEMENTED(what) platformUnimplemented(what, __FILE__, __LINE__)

struct HMENU__ {
  struct Item {
    UINT id = 0;  // 0 for a drop-down
    std::string text;
    bool checked = false;
    std::vector<Item> items;
  };
  std::vector<Item> bar;
  Item* find(UINT id);
};

struct DialogItem {
  int id;
  std::string className;
  DWORD style;
  std::string text;
  bool checked = false;
};

struct HWND__ {
  WNDPROC proc = nullptr;
  // A dialog: its procedure, its controls, and how it ended.
  DLGPROC dialogProc = nullptr;
  int dialogTemplate = 0;  // the resource id it was built from
  std::vector<DialogItem> items;
  bool ended = false;
  INT_PTR result = 0;
  DialogItem* item(int id) {
    for (auto& i : items)
      if (i.id == id) return &i;
    return nullptr;
  }
  std::string className;
  std::string title;
  DWORD style = 0;
  RECT frame = {};
  HMENU menu = nullptr;
  HBRUSH background = nullptr;
  bool visible = false;
  int clientWidth = 0;
  int clientHeight = 0;
  std::vector<std::uint32_t> pixels;  // the client area, 0x00BBGGRR
};

struct GdiObject {
  enum Kind { Brush, Pen, Font } kind;
  bool stock = false;
  int selections = 0;  // device contexts it is selected into: GDI will not delete it then
  explicit GdiObject(Kind k) : kind(k) {}
  virtual ~GdiObject() = default;
};
struct HBRUSH__ : GdiObject {
  COLORREF colour;
  explicit HBRUSH__(COLORREF c) : GdiObject(Brush), colour(c) {}
};
struct HPEN__ : GdiObject {
  int style, width;
  COLORREF colour;
  HPEN__(int s, int w, COLORREF c) : GdiObject(Pen), style(s), width(w), colour(c) {}
};
struct HFONT__ : GdiObject {
  int height, weight;
  bool italic;
  std::string face;
  HFONT__(int h, int w, bool i, std::string f) : GdiObject(Font), height(h), weight(w), italic(i), face(std::move(f)) {}
};

struct HDC__ {
  HWND window = nullptr;
  int rop2 = R2_COPYPEN;
  HPEN__* pen = nullptr;
  HBRUSH__* brush = nullptr;
  HFONT__* font = nullptr;
  COLORREF textColour = 0;
  int bkMode = OPAQUE;
  UINT textAlign = 0;
  POINT current = {};
};

struct HCURSOR__ {
  int id;
};
struct HICON__ {
  int id;
};
struct HINSTANCE__ {
  int unused;
};

namespace platform {

constexpr int kFrameBorder = 3;  // fixed frame of a caption window, classic metrics
constexpr int kCaptionHeight = 19;
constexpr int kMenuHeight = 19;

struct State {
  std::vector<std::unique_ptr<HWND__>> windows;
  std::vector<WNDCLASSEXA> classes;
  std::vector<std::string> classNames;
  std::deque<MSG> queue;
  HWND capture = nullptr;
  bool clipActive = false;
  RECT clip = {};
  HCURSOR cursor = nullptr;
  std::vector<int> cursorHistory;  // ids set with SetCursor, in order
  bool quitPosted = false;
  int quitCode = 0;
};

State& state();
// Fresh state for a new session: windows, queue, capture, clip, cursor.
void resetState();
bool isWindow(HWND window);
HWND mainWindow();  // the first top-level window still alive, or null
// A mouse position in `window`'s client area packed for a mouse message, held
// inside an active cursor clip as the system holds the pointer there.
LPARAM heldPosition(HWND window, int x, int y);

}  // namespace platform
