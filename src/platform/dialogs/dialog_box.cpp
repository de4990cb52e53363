// Modal dialogs built from a template in tarnwick.rc, and their controls.
#include <cstdio>
#include <cstring>

#include "platform/backend.h"
#include "platform/dialogs/dialogs.h"
#include "platform/dialogs/resources.h"
#include "platform/platform_state.h"

namespace {

constexpr DWORD kTypeMask = 0x0F;
constexpr DWORD kAutoRadio = 9;  // BS_AUTORADIOBUTTON
constexpr DWORD kEsNumber = 0x2000;

bool isDialog(HWND dialog) { return platform::isWindow(dialog) && dialog->dialogProc; }

LRESULT CALLBACK dialogWindowProc(HWND, UINT, WPARAM, LPARAM) { return 0; }

}  // namespace

INT_PTR WINAPI DialogBoxParamA(HINSTANCE, LPCSTR templateName, HWND owner, DLGPROC proc, LPARAM param) {
  if (!IS_INTRESOURCE(templateName) || !proc) return -1;
  const platform::DialogTemplate* t =
      platform::findDialogTemplate(static_cast<int>(reinterpret_cast<UINT_PTR>(templateName)));
  if (!t) return -1;
  auto window = std::make_unique<HWND__>();
  window->proc = dialogWindowProc;
  window->dialogProc = proc;
  window->dialogTemplate = t->id;
  window->title = t->caption;
  window->style = t->style;
  for (auto& c : t->controls) window->items.push_back({c.id, c.className, c.style, c.text});
  HWND dialog = window.get();
  platform::state().windows.push_back(std::move(window));
  (void)owner;
  proc(dialog, WM_INITDIALOG, 0, param);
  if (!dialog->ended) platform::backend().runDialog(dialog);
  if (!dialog->ended) proc(dialog, WM_COMMAND, IDCANCEL, 0);  // nobody ended it: as Esc would
  INT_PTR result = dialog->ended ? dialog->result : IDCANCEL;
  auto& windows = platform::state().windows;
  for (auto it = windows.begin(); it != windows.end(); ++it)
    if (it->get() == dialog) {
      windows.erase(it);
      break;
    }
  return result;
}

BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
  if (!isDialog(dialog)) return FALSE;
  dialog->ended = true;
  dialog->result = result;
  platform::backend().dialogEnded(dialog);
  return TRUE;
}

BOOL WINAPI CheckRadioButton(HWND dialog, int first, int last, int check) {
  if (!isDialog(dialog)) return FALSE;
  for (auto& item : dialog->items)
    if (item.id >= first && item.id <= last) item.checked = item.id == check;
  return TRUE;
}

BOOL WINAPI SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
  DialogItem* item = isDialog(dialog) ? dialog->item(id) : nullptr;
  if (!item) return FALSE;
  char text[16];
  if (isSigned)
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
  else
    std::snprintf(text, sizeof text, "%u", value);
  item->text = text;
  return TRUE;
}

UINT WINAPI GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
  if (translated) *translated = FALSE;
  DialogItem* item = isDialog(dialog) ? dialog->item(id) : nullptr;
  if (!item) return 0;
  const char* p = item->text.c_str();
  while (*p == ' ') ++p;
  bool negative = isSigned && *p == '-';
  if (negative) ++p;
  if (*p < '0' || *p > '9') return 0;
  unsigned long long value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    value = value * 10 + static_cast<unsigned>(*p - '0');
    if (value > 0xFFFFFFFFull) return 0;  // does not fit: not translated
  }
  if (*p != '\0') return 0;
  if (translated) *translated = TRUE;
  return negative ? static_cast<UINT>(-static_cast<long long>(value)) : static_cast<UINT>(value);
}

UINT WINAPI IsDlgButtonChecked(HWND dialog, int id) {
  DialogItem* item = isDialog(dialog) ? dialog->item(id) : nullptr;
  return item && item->checked ? BST_CHECKED : BST_UNCHECKED;
}

namespace platform {

void clickButton(HWND dialog, int id) {
  DialogItem* item = isDialog(dialog) ? dialog->item(id) : nullptr;
  if (!item) return;
  if ((item->style & kTypeMask) == kAutoRadio) {
    // An auto radio button marks itself and clears the others of its group.
    std::size_t at = static_cast<std::size_t>(item - dialog->items.data());
    std::size_t first = at, last = at;
    while (first > 0 && !(dialog->items[first].style & WS_GROUP) &&
           (dialog->items[first - 1].style & kTypeMask) == kAutoRadio)
      --first;
    while (last + 1 < dialog->items.size() && !(dialog->items[last + 1].style & WS_GROUP) &&
           (dialog->items[last + 1].style & kTypeMask) == kAutoRadio)
      ++last;
    for (std::size_t i = first; i <= last; ++i) dialog->items[i].checked = i == at;
  }
  dialog->dialogProc(dialog, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

void typeInto(HWND dialog, int id, const std::string& typed) {
  DialogItem* item = isDialog(dialog) ? dialog->item(id) : nullptr;
  if (!item) return;
  std::string text;
  for (char c : typed) {
    if ((item->style & kEsNumber) && (c < '0' || c > '9')) continue;  // refused, as ES_NUMBER does
    if (text.size() >= static_cast<std::size_t>(kEditFieldDigits)) break;  // no room without scrolling
    text += c;
  }
  item->text = text;
  dialog->dialogProc(dialog, WM_COMMAND, static_cast<WPARAM>(id) | (0x0300u << 16), 0);  // EN_CHANGE
}

std::string itemText(HWND dialog, int id) {
  DialogItem* item = isDialog(dialog) ? dialog->item(id) : nullptr;
  return item ? item->text : "";
}

}  // namespace platform
