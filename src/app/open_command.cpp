#include "app/open_command.h"

#include <algorithm>
#include <cstring>

#include "app/app_state.h"
#include "dem/header_reader.h"
#include "dem/text_field.h"
#include "display/map_layout.h"
#include "display/map_view.h"

const char* const kFirstUseNote =
    "This program doesn't automatically repaint the screen.\nClick Redraw on the menu if you lose any screen "
    "data.\n\nSelect AreaType and drag area around points to write.   ";

namespace {

// The Open dialog's answer in demPath (empty when cancelled); returns the
// offset of the file name in it.
std::size_t askForDemPath(HWND window) {
  app.demPath[0] = '\0';
  OPENFILENAMEA ofn;
  std::memset(&ofn, 0, sizeof ofn);
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = window;
  ofn.lpstrFilter = "Dem Files (*.dem)\0*.dem\0";
  ofn.lpstrFile = app.demPath;
  ofn.nMaxFile = kPathCapacity;
  ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  ofn.lpstrDefExt = "dem";
  GetOpenFileNameA(&ofn);
  app.demPath[kPathCapacity - 1] = '\0';
  return std::min<std::size_t>(ofn.nFileOffset, std::strlen(app.demPath));
}

}  // namespace

void openDemFile(HWND window) {
  if (app.fileChosen == 0) MessageBoxA(window, kFirstUseNote, "Note:", MB_OK);
  if (app.fileChosen == 1) clearScreen(window);

  std::size_t nameOffset = askForDemPath(window);
  if (app.demPath[0] == '\0') {
    app.mapShown = 0;
    app.fileRejected = 1;
    return;
  }
  copyText(app.fileTitle, app.demPath + nameOffset);
  app.fileChosen = 1;
  app.fileRejected = 0;

  SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  if (readDemFile(window)) computeMapLayout();
  // Also after a rejection: the wait cursor must not stay up.
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}
