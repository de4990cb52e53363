// The narrow contract between our Win32 subset and whatever shows it: present
// the framebuffer, deliver the user's input as messages, run the modal parts
// (message boxes, file dialogs). The headless backend is the default.
#pragma once

#include <string>

#include "platform/win32.h"

namespace platform {

class Backend {
 public:
  virtual ~Backend() = default;
  // The queue is empty and a message is wanted: post the user's next input.
  // Returns false when the user will do nothing more.
  virtual bool waitForInput() = 0;
  // The window's framebuffer has changed.
  virtual void present(HWND window) = 0;
  virtual int messageBox(HWND owner, const char* text, const char* caption, UINT type) = 0;
  // The path the user chose in an Open (save = false) or Save dialog; empty
  // when cancelled.
  virtual std::string chooseFile(const OPENFILENAMEA& request, bool save) = 0;
  // The Save dialog's question before an existing file is replaced.
  virtual bool confirmOverwrite(HWND owner, const std::string& path) = 0;
  // Runs a modal dialog whose procedure has had WM_INITDIALOG: the user acts
  // on it (dialogs.h) until it is ended.
  virtual void runDialog(HWND dialog) = 0;
  // SetCursor chose another cursor; it shows at once, also during a long
  // pass that dispatches no messages.
  virtual void cursorChanged() {}
  // EndDialog: the dialog leaves the screen at once, though its procedure
  // (and what it started, such as the export) may still be running.
  virtual void dialogEnded(HWND) {}
};

Backend& backend();
void setBackend(Backend* backend);  // null restores the headless backend

}  // namespace platform
