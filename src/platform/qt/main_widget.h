// The main window on screen: the caption CreateWindowExA gave it, the menu
// bar built from its menu (check marks as CheckMenuItem left them), and a
// fixed client area showing the framebuffer as our GDI drew it. Menu choices,
// the left button and the close box become messages for the window
// procedure; while a cursor clip is active the pointer is held inside it.
#pragma once

#include <QImage>
#include <QMainWindow>

#include "platform/win32.h"

class QMenuBar;

namespace qtbackend {

class MainWidget : public QMainWindow {
 public:
  explicit MainWidget(HWND window);
  HWND window() const { return window_; }
  // The framebuffer, the check marks and the cursor, as the layer has them now.
  void showState();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  class Client;
  void buildMenu();
  HWND window_;
  Client* client_;
};

}  // namespace qtbackend
