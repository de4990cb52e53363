// The release: the last band comes off, the shape becomes ground bounds and a
// size estimate, and a large enough selection opens the export dialog.
#pragma once

#include "platform/win32.h"

void onLeftButtonUp(HWND window, LPARAM position);
