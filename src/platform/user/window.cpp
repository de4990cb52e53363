// Window classes, windows, the message queue and the default processing.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/backend.h"
#include "platform/dialogs/resources.h"
#include "platform/platform_state.h"

void platformUnimplemented(const char* what, const char* file, int line) {
  std::fprintf(stderr, "tarnwick platform: unimplemented: %s (%s:%d)\n", what, file, line);
#ifndef NDEBUG
  std::abort();
#endif
}

namespace platform {

State& state() {
  static State s;
  return s;
}

void resetState() { state() = State{}; }

bool isWindow(HWND window) {
  for (auto& w : state().windows)
    if (w.get() == window) return true;
  return false;
}

HWND mainWindow() { return state().windows.empty() ? nullptr : state().windows.front().get(); }

}  // namespace platform

using platform::state;

HMENU__::Item* HMENU__::find(UINT id) {
  struct Finder {
    static Item* in(std::vector<Item>& items, UINT id) {
      for (auto& item : items) {
        if (item.id == id) return &item;
        if (Item* found = in(item.items, id)) return found;
      }
      return nullptr;
    }
  };
  return Finder::in(bar, id);
}

WORD WINAPI RegisterClassExA(const WNDCLASSEXA* wc) {
  if (!wc || !wc->lpszClassName || !wc->lpfnWndProc || wc->cbSize != sizeof(WNDCLASSEXA)) return 0;
  state().classes.push_back(*wc);
  state().classNames.emplace_back(wc->lpszClassName);
  return static_cast<WORD>(state().classes.size());
}

HWND WINAPI CreateWindowExA(DWORD, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                            int height, HWND parent, HMENU menu, HINSTANCE, LPVOID) {
  if (parent) PLATFORM_UNIMPLEMENTED("CreateWindowExA with a parent");
  const WNDCLASSEXA* wc = nullptr;
  for (std::size_t i = 0; i < state().classes.size(); ++i)
    if (className && state().classNames[i] == className) wc = &state().classes[i];
  if (!wc) return nullptr;

  auto window = std::make_unique<HWND__>();
  window->proc = wc->lpfnWndProc;
  window->className = className;
  window->title = windowName ? windowName : "";
  window->style = style;
  window->frame = {x, y, x + width, y + height};
  window->background = wc->hbrBackground;
  window->menu = menu;
  if (!window->menu && wc->lpszMenuName && IS_INTRESOURCE(wc->lpszMenuName))
    window->menu = loadMenuResource(static_cast<int>(reinterpret_cast<UINT_PTR>(wc->lpszMenuName)));
  bool caption = (style & WS_CAPTION) == WS_CAPTION;
  int border = caption ? platform::kFrameBorder : 0;
  window->clientWidth = width - 2 * border;
  window->clientHeight = height - 2 * border - (caption ? platform::kCaptionHeight : 0) -
                         (window->menu ? platform::kMenuHeight : 0);
  if (window->clientWidth < 0) window->clientWidth = 0;
  if (window->clientHeight < 0) window->clientHeight = 0;
  window->pixels.assign(static_cast<std::size_t>(window->clientWidth) * window->clientHeight, 0);
  HWND handle = window.get();
  state().windows.push_back(std::move(window));
  if (handle->proc(handle, WM_CREATE, 0, 0) == -1) {
    DestroyWindow(handle);
    return nullptr;
  }
  return handle;
}

BOOL WINAPI ShowWindow(HWND window, int) {
  if (!platform::isWindow(window)) return FALSE;
  BOOL wasVisible = window->visible;
  window->visible = true;
  platform::backend().present(window);
  return wasVisible;
}

BOOL WINAPI UpdateWindow(HWND window) { return platform::isWindow(window); }

BOOL WINAPI GetMessageA(LPMSG msg, HWND filter, UINT filterMin, UINT filterMax) {
  if (filter || filterMin || filterMax) PLATFORM_UNIMPLEMENTED("GetMessageA with a filter");
  auto& s = state();
  while (s.queue.empty() && !s.quitPosted) {
    if (!platform::backend().waitForInput()) {
      // The user has nothing more to do: close the window as the close box would.
      HWND main = platform::mainWindow();
      if (main)
        PostMessageA(main, WM_CLOSE, 0, 0);
      else
        PostQuitMessage(0);
    }
  }
  if (!s.queue.empty()) {
    *msg = s.queue.front();
    s.queue.pop_front();
    return TRUE;
  }
  *msg = MSG{};
  msg->message = WM_QUIT;
  msg->wParam = static_cast<WPARAM>(s.quitCode);
  s.quitPosted = false;
  return FALSE;
}

BOOL WINAPI TranslateMessage(const MSG*) { return FALSE; }

LRESULT WINAPI DispatchMessageA(const MSG* msg) {
  if (!msg || !platform::isWindow(msg->hwnd)) return 0;
  return msg->hwnd->proc(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_PAINT:
      // Whatever the system asks to repaint is erased to the class background.
      if (platform::isWindow(window) && window->background) {
        HDC dc = GetDC(window);
        RECT client;
        GetClientRect(window, &client);
        FillRect(dc, &client, window->background);
        ReleaseDC(window, dc);
      }
      return 0;
    default:
      return 0;
  }
}

BOOL WINAPI PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (window && !platform::isWindow(window)) return FALSE;
  MSG msg{};
  msg.hwnd = window;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  state().queue.push_back(msg);
  return TRUE;
}

LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!platform::isWindow(window)) return 0;
  return window->proc(window, message, wParam, lParam);
}

BOOL WINAPI DestroyWindow(HWND window) {
  auto& windows = state().windows;
  for (auto it = windows.begin(); it != windows.end(); ++it) {
    if (it->get() != window) continue;
    window->proc(window, WM_DESTROY, 0, 0);
    if (state().capture == window) state().capture = nullptr;
    // Messages still queued for it go nowhere.
    for (auto& m : state().queue)
      if (m.hwnd == window) m.hwnd = nullptr;
    delete window->menu;
    windows.erase(it);
    return TRUE;
  }
  return FALSE;
}

void WINAPI PostQuitMessage(int exitCode) {
  state().quitPosted = true;
  state().quitCode = exitCode;
}

HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName) {
  static HINSTANCE__ self{};
  if (moduleName) PLATFORM_UNIMPLEMENTED("GetModuleHandleA of another module");
  return &self;
}

HMENU WINAPI GetMenu(HWND window) { return platform::isWindow(window) ? window->menu : nullptr; }

DWORD WINAPI CheckMenuItem(HMENU menu, UINT item, UINT check) {
  if (!menu) return static_cast<DWORD>(-1);
  HMENU__::Item* found = menu->find(item);
  if (!found) return static_cast<DWORD>(-1);
  DWORD previous = found->checked ? MF_CHECKED : MF_UNCHECKED;
  found->checked = (check & MF_CHECKED) != 0;
  return previous;
}
