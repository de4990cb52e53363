// Resources read from the program's own tarnwick.rc (and resource.h), the same
// script the Windows build compiles: the menu and the dialog template.
#pragma once

#include <string>
#include <vector>

#include "platform/win32.h"

namespace platform {

struct DialogControl {
  std::string text;
  int id;
  std::string className;  // Static, Button, Edit
  DWORD style;
  int x, y, width, height;
};

struct DialogTemplate {
  int id;
  int x, y, width, height;
  DWORD style;
  std::string caption;
  int fontSize;
  std::string fontFace;
  std::vector<DialogControl> controls;
};

// Null when the script has no such dialog.
const DialogTemplate* findDialogTemplate(int id);

}  // namespace platform

// A new menu built from menu resource `id`; null when there is none.
HMENU loadMenuResource(int id);
