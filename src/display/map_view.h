// One whole map view: the title and banner rows, the black map box with its
// red frame, then the plot, with the wait cursor while it streams.
#pragma once

#include "platform/win32.h"

int drawMap(HWND window);
