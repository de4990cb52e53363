// What a user does inside a modal dialog, for backends that drive one.
#pragma once

#include <string>

#include "platform/win32.h"

namespace platform {

// The export dialog's count field is 10 dialog units wide and does not
// scroll: with its 8-point font it shows two digits.
constexpr int kEditFieldDigits = 2;

void clickButton(HWND dialog, int id);  // radio buttons mark themselves; OK and Cancel are buttons too
void typeInto(HWND dialog, int id, const std::string& text);
std::string itemText(HWND dialog, int id);

}  // namespace platform
