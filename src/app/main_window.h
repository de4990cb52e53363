// The one top-level window: its class, creation, and the window procedure
// that dispatches creation, closing, the five commands and the mouse.
#pragma once

#include "platform/win32.h"

extern const char* const kMainWindowClass;
extern const char* const kMainWindowCaption;

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Registers the class and creates the (hidden) main window; on failure shows
// why and returns null.
HWND createMainWindow(HINSTANCE instance);
