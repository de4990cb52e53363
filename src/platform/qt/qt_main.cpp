// main() of the Linux program: Qt's application object, the Qt backend, and
// the program from WinMain on. The program takes no command line; Qt's own
// options (-platform, -display) are Qt's.
#include <QApplication>

#include "platform/qt/qt_backend.h"
#include "platform/win32.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  qtbackend::QtBackend backend;
  platform::setBackend(&backend);
  int status = WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWDEFAULT);
  platform::setBackend(nullptr);
  return status;
}
