// main() for every build but the Windows GUI: the program starts at WinMain.
#include "platform/win32.h"

int main() { return WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWDEFAULT); }
