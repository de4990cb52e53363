// Dragging a rectangle or circle over the map: the press anchors the drag and
// confines the cursor to the map; each move redraws the band, an outline in
// an inverting mix so that drawing it again removes it.
#pragma once

#include <cstdint>

#include "platform/win32.h"

void onLeftButtonDown(HWND window, LPARAM position);
void onMouseMove(HWND window, WPARAM buttons, LPARAM position);

// Band operations on a context in R2_NOTXORPEN with its default pen and brush.
void drawRectBand(HDC dc, std::int16_t cornerX, std::int16_t cornerY);
std::int16_t bandRadius(std::int16_t cornerX, std::int16_t cornerY);
void drawCircleBand(HDC dc, std::int16_t r);

// x from the low and y from the high 16 bits of a mouse message's lParam.
inline std::int16_t positionX(LPARAM position) { return static_cast<std::int16_t>(LOWORD(position)); }
inline std::int16_t positionY(LPARAM position) { return static_cast<std::int16_t>(HIWORD(position)); }
