// File, Open: the one-time note, the Open dialog, and the reading and layout
// of the chosen file, with the wait cursor while it is read.
#pragma once

#include "platform/win32.h"

extern const char* const kFirstUseNote;

void openDemFile(HWND window);
