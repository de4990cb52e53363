#include "app/main_window.h"

#include "app/resource.h"
#include "app/app_state.h"
#include "app/open_command.h"
#include "display/map_view.h"
#include "selection/drag_tracking.h"
#include "selection/selection_ground.h"

const char* const kMainWindowClass = "myWindowClass";
const char* const kMainWindowCaption = "Tarnwick v1.4 (https://tarnwick.example.org)";

namespace {

constexpr int kWindowWidth = 960;
constexpr int kWindowHeight = 740;

void onCreate(HWND window) { CheckMenuItem(GetMenu(window), IDM_RECTANGLE, MF_BYCOMMAND | MF_CHECKED); }

void onClose(HWND window) {
  app.demStream.close();
  DestroyWindow(window);
}

void openCommand(HWND window) {
  openDemFile(window);
  if (app.mapShown > 0) drawMap(window);
}

void redrawCommand(HWND window) {
  if (app.fileChosen != 1 || app.fileRejected != 0) return;
  clearScreen(window);
  app.mapShown = 1;
  drawMap(window);
}

void chooseAreaType(HWND window, std::int16_t type) {
  HMENU menu = GetMenu(window);
  bool rectangle = type == AreaType::Rectangle;
  CheckMenuItem(menu, IDM_RECTANGLE, MF_BYCOMMAND | (rectangle ? MF_CHECKED : MF_UNCHECKED));
  CheckMenuItem(menu, IDM_CIRCLE, MF_BYCOMMAND | (rectangle ? MF_UNCHECKED : MF_CHECKED));
  app.areaType = type;
}

void onCommand(HWND window, WORD command) {
  switch (command) {
    case IDM_OPEN: openCommand(window); break;
    case IDM_EXIT: PostMessageA(window, WM_CLOSE, 0, 0); break;
    case IDM_REDRAW: redrawCommand(window); break;
    case IDM_RECTANGLE: chooseAreaType(window, AreaType::Rectangle); break;
    case IDM_CIRCLE: chooseAreaType(window, AreaType::Circle); break;
    default: break;
  }
}

}  // namespace

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: onCreate(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_CLOSE: onClose(window); return 0;
    case WM_COMMAND: onCommand(window, LOWORD(wParam)); return 0;
    case WM_MOUSEMOVE: onMouseMove(window, wParam, lParam); return 0;
    case WM_LBUTTONDOWN: onLeftButtonDown(window, lParam); return 0;
    case WM_LBUTTONUP: onLeftButtonUp(window, lParam); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

HWND createMainWindow(HINSTANCE instance) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = 0;
  wc.lpfnWndProc = mainWindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  wc.hIconSm = LoadIconA(nullptr, IDI_APPLICATION);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  wc.lpszMenuName = MAKEINTRESOURCEA(IDR_MAINMENU);
  wc.lpszClassName = kMainWindowClass;
  if (RegisterClassExA(&wc) == 0) {
    MessageBoxA(nullptr, "Window Registration Failed!", "Error!", MB_ICONEXCLAMATION | MB_OK);
    return nullptr;
  }
  HWND window = CreateWindowExA(0, kMainWindowClass, kMainWindowCaption, WS_CAPTION | WS_SYSMENU, 0, 0,
                                kWindowWidth, kWindowHeight, nullptr, nullptr, instance, nullptr);
  if (!window) MessageBoxA(nullptr, "Window Creation Failed!", "Error!", MB_ICONEXCLAMATION | MB_OK);
  return window;
}
