// The Qt 6 Widgets backend: a real window for the Linux program. It presents
// the framebuffer (MainWidget), waits for the user's input in Qt's event loop
// while the message queue is empty, and runs the modal parts as Qt dialogs:
// message boxes, the Open and Save file dialogs (titled "Open" and "Save As",
// with the filter, must-exist and overwrite question the flags ask for), and
// dialogs built from their templates (DialogWidget). Modal parts run nested
// in the handler that opened them, as on Windows.
#pragma once

#include <map>
#include <memory>

#include "platform/backend.h"

class QWidget;

namespace qtbackend {

class MainWidget;

class QtBackend : public platform::Backend {
 public:
  QtBackend();
  ~QtBackend() override;
  bool waitForInput() override;
  void present(HWND window) override;
  int messageBox(HWND owner, const char* text, const char* caption, UINT type) override;
  std::string chooseFile(const OPENFILENAMEA& request, bool save) override;
  bool confirmOverwrite(HWND owner, const std::string& path) override;
  void runDialog(HWND dialog) override;
  void cursorChanged() override;
  void dialogEnded(HWND dialog) override;

 private:
  MainWidget* widgetFor(HWND window);  // null for a window that is not shown
  void forgetClosedWindows();
  std::map<HWND, std::unique_ptr<MainWidget>> widgets_;
  std::map<HWND, QWidget*> dialogs_;  // the dialogs running, by handle
};

}  // namespace qtbackend
