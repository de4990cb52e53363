#include "platform/headless/headless.h"

#include <algorithm>
#include <deque>

#include "platform/backend.h"
#include "platform/dialogs/dialogs.h"
#include "platform/gdi/text_record.h"
#include "platform/platform_state.h"

namespace {

class HeadlessBackend : public platform::Backend {
 public:
  std::deque<std::string> openAnswers, saveAnswers;
  std::deque<std::function<void()>> steps;
  std::deque<bool> overwriteAnswers;
  std::deque<std::function<void(HWND)>> dialogAnswers;
  std::vector<std::string> prompts;
  std::vector<headless::MessageBoxRecord> boxes;
  std::vector<headless::FileDialogRecord> dialogs;

  bool waitForInput() override {
    if (steps.empty()) return false;
    auto step = std::move(steps.front());
    steps.pop_front();
    step();
    return true;
  }
  void present(HWND) override {}
  int messageBox(HWND owner, const char* text, const char* caption, UINT type) override {
    boxes.push_back({owner, text, caption, type});
    return IDOK;
  }
  bool confirmOverwrite(HWND, const std::string& path) override {
    prompts.push_back(path);
    if (overwriteAnswers.empty()) return true;
    bool answer = overwriteAnswers.front();
    overwriteAnswers.pop_front();
    return answer;
  }
  void runDialog(HWND dialog) override {
    if (dialogAnswers.empty()) return;
    auto act = std::move(dialogAnswers.front());
    dialogAnswers.pop_front();
    act(dialog);
  }
  std::string chooseFile(const OPENFILENAMEA& request, bool save) override {
    headless::FileDialogRecord record{save, request.hwndOwner, request.lStructSize, {}, request.nMaxFile,
                                      request.Flags, request.lpstrDefExt ? request.lpstrDefExt : ""};
    for (const char* p = request.lpstrFilter; p && *p; p += std::char_traits<char>::length(p) + 1)
      record.filter.emplace_back(p);
    dialogs.push_back(record);
    auto& answers = save ? saveAnswers : openAnswers;
    if (answers.empty()) return "";
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

HeadlessBackend& headlessBackend() {
  static HeadlessBackend b;
  return b;
}

platform::Backend* current = nullptr;

}  // namespace

namespace platform {

Backend& backend() { return current ? *current : headlessBackend(); }
void setBackend(Backend* b) { current = b; }

}  // namespace platform

namespace headless {

void reset() {
  while (HWND w = platform::mainWindow()) {
    // Drop windows without running their procedures: a fresh session.
    auto& windows = platform::state().windows;
    delete w->menu;
    windows.erase(windows.begin());
  }
  platform::resetState();
  platform::textRecord().clear();
  headlessBackend() = HeadlessBackend{};
}

void forgetRecords() {
  HeadlessBackend& b = headlessBackend();
  b.openAnswers.clear(), b.saveAnswers.clear(), b.steps.clear(), b.overwriteAnswers.clear(), b.dialogAnswers.clear();
  b.prompts.clear(), b.boxes.clear(), b.dialogs.clear();
  platform::textRecord().clear();
}

void answerOpen(const std::string& path) { headlessBackend().openAnswers.push_back(path); }
void answerSave(const std::string& path) { headlessBackend().saveAnswers.push_back(path); }
void script(std::function<void()> step) { headlessBackend().steps.push_back(std::move(step)); }
void answerOverwrite(bool replace) { headlessBackend().overwriteAnswers.push_back(replace); }
void answerDialog(std::function<void(HWND)> act) { headlessBackend().dialogAnswers.push_back(std::move(act)); }
void clickButton(HWND dialog, int id) { platform::clickButton(dialog, id); }
void typeInto(HWND dialog, int id, const std::string& text) { platform::typeInto(dialog, id, text); }
std::string itemText(HWND dialog, int id) { return platform::itemText(dialog, id); }
bool itemChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
std::string dialogCaption(HWND dialog) { return dialog->title; }
const std::vector<std::string>& overwritePrompts() { return headlessBackend().prompts; }

void press(HWND window, int x, int y) { SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, platform::heldPosition(window, x, y)); }
void move(HWND window, int x, int y, WPARAM buttons) {
  SendMessageA(window, WM_MOUSEMOVE, buttons, platform::heldPosition(window, x, y));
}
void release(HWND window, int x, int y) { SendMessageA(window, WM_LBUTTONUP, 0, platform::heldPosition(window, x, y)); }

HWND mainWindow() { return platform::mainWindow(); }
const std::vector<MessageBoxRecord>& messageBoxes() { return headlessBackend().boxes; }
const std::vector<FileDialogRecord>& fileDialogs() { return headlessBackend().dialogs; }
int currentCursor() { return platform::state().cursor ? platform::state().cursor->id : 0; }
const std::vector<int>& cursorHistory() { return platform::state().cursorHistory; }
HWND capture() { return platform::state().capture; }
bool clipActive() { return platform::state().clipActive; }
RECT clipRect() { return platform::state().clip; }
const std::vector<std::uint32_t>& pixels(HWND window) { return window->pixels; }
int clientWidth(HWND window) { return window->clientWidth; }
int clientHeight(HWND window) { return window->clientHeight; }

}  // namespace headless

namespace headless {

std::uint32_t pixel(HWND window, int x, int y) {
  return window->pixels[static_cast<std::size_t>(y) * window->clientWidth + x];
}

std::string windowTitle(HWND window) { return window->title; }

static void collectMenuTexts(const std::vector<HMENU__::Item>& items, std::vector<std::string>& out) {
  for (auto& item : items) {
    out.push_back(item.text);
    collectMenuTexts(item.items, out);
  }
}

std::vector<std::string> menuTexts(HWND window) {
  std::vector<std::string> out;
  if (window->menu) collectMenuTexts(window->menu->bar, out);
  return out;
}

bool menuChecked(HWND window, UINT id) {
  HMENU__::Item* item = window->menu ? window->menu->find(id) : nullptr;
  return item && item->checked;
}

std::vector<TextRecord> texts() { return platform::textRecord(); }

void clearTexts() { platform::textRecord().clear(); }

}  // namespace headless
