#include "platform/headless/headless.h"

#include <deque>

#include "platform/backend.h"
#include "platform/gdi/text_record.h"
#include "platform/platform_state.h"

namespace {

class HeadlessBackend : public platform::Backend {
 public:
  std::deque<std::string> openAnswers, saveAnswers;
  std::deque<std::function<void()>> steps;
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

void answerOpen(const std::string& path) { headlessBackend().openAnswers.push_back(path); }
void answerSave(const std::string& path) { headlessBackend().saveAnswers.push_back(path); }
void script(std::function<void()> step) { headlessBackend().steps.push_back(std::move(step)); }

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

std::vector<TextRecord> texts() {
  std::vector<TextRecord> out;
  for (auto& t : platform::textRecord()) out.push_back({t.text, t.x, t.y, t.align, t.height, t.weight, t.italic, t.colour});
  return out;
}

void clearTexts() { platform::textRecord().clear(); }

}  // namespace headless
