// The export: asks for the output file, walks the DEM once more, and writes
// one "x,y,z" line (or "x y z") per visited grid point inside the selection.
#pragma once

#include "platform/win32.h"

int writeSelectedPoints(HWND owner);
