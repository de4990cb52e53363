// File, Open: choosing, checking and recognising a DEM file and reading its
// Type A header facts into the record.
#pragma once

#include "platform/win32.h"

// The four producer signatures an accepted file carries (mapShown after Open).
enum ProducerCode : short { NoMap = 0, QarnTitle = 1, QarnDash = 2, Sdts2Dem = 3, Qarn24000 = 4 };

extern const char* const kFirstUseNote;
extern const char* const kLineBreakMessage;
extern const char* const kArcSecondMessage;
extern const char* const kUnknownProducerMessage;
extern const char* const kZeroExtentMessage;
extern const char* const kTooLargeMessage;

void openDemFile(HWND window);
// Blanks the client area to black and marks the map as gone.
void clearScreen(HWND window);
// Fills the client area black on `dc`, with a brush made for the fill.
void fillClientBlack(HWND window, HDC dc);
