// Checking and recognising the chosen DEM file and reading its Type A header
// facts and its point count into the record.
#pragma once

#include "platform/win32.h"

// The four producer signatures an accepted file carries (mapShown after Open).
enum ProducerCode : short { NoMap = 0, QarnTitle = 1, QarnDash = 2, Sdts2Dem = 3, Qarn24000 = 4 };

extern const char* const kLineBreakMessage;
extern const char* const kArcSecondMessage;
extern const char* const kUnknownProducerMessage;
extern const char* const kZeroExtentMessage;
extern const char* const kTooLargeMessage;

// Reads demPath. A file it cannot use gets its message box (owned by
// `window`), fileRejected 1 and mapShown 0, and false; an accepted one
// leaves its producer code in mapShown. The stream is closed either way.
bool readDemFile(HWND window);
