// Message boxes: the backend shows them and the user closes them.
#include "platform/backend.h"

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  return platform::backend().messageBox(owner, text ? text : "", caption ? caption : "Error", type);
}
