// The Write File As dialog (resource 102): shows the estimate, takes the
// format and the thinning count, and runs the export on OK.
#pragma once

#include "platform/win32.h"

INT_PTR CALLBACK exportDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
