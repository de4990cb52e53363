// One whole map view: the title and banner rows, the black map box with its
// red frame, then the plot, with the wait cursor while it streams.
#pragma once

#include "platform/win32.h"

int drawMap(HWND window);
// Blanks the client area to black and marks the map as gone.
void clearScreen(HWND window);
// Fills the client area black on `dc`, with a brush made for the fill.
void fillClientBlack(HWND window, HDC dc);
