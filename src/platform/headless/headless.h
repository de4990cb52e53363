// The headless backend: no screen. A test or the command line scripts the
// user (the next Open and Save answers, input to deliver when the program
// waits for a message) and reads back what the program showed: the message
// boxes, the framebuffer, the cursor, capture and clip.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/gdi/text_record.h"
#include "platform/win32.h"

namespace headless {

struct MessageBoxRecord {
  HWND owner;
  std::string text;
  std::string caption;
  UINT type;
};

struct FileDialogRecord {
  bool save;
  HWND owner;
  DWORD structSize;
  std::vector<std::string> filter;  // description, pattern, ...
  DWORD capacity;
  DWORD flags;
  std::string defaultExtension;
};

// Back to a fresh session: no windows, empty queue and script, no records.
void reset();

// Forgets what was shown and the answers not yet taken; the windows and
// their pictures stay. For a long run of sessions in one window.
void forgetRecords();

// The Open and Save dialogs take these answers in order; an empty answer, or
// none left, is a cancel.
void answerOpen(const std::string& path);
void answerSave(const std::string& path);
// The answers to "replace the existing file?", in order; yes when none is left.
void answerOverwrite(bool replace);
// What the user does in each modal dialog, in order: the function acts on
// the dialog (below). A dialog left open, or with no answer, is cancelled.
void answerDialog(std::function<void(HWND dialog)> act);
void clickButton(HWND dialog, int id);
void typeInto(HWND dialog, int id, const std::string& text);
std::string itemText(HWND dialog, int id);
bool itemChecked(HWND dialog, int id);
std::string dialogCaption(HWND dialog);

// The mouse over `window`, in client coordinates, held inside an active
// cursor clip as the system holds it; each call sends its message.
void press(HWND window, int x, int y);
void move(HWND window, int x, int y, WPARAM buttons = MK_LBUTTON);
void release(HWND window, int x, int y);
// What the user does when the program waits for input with an empty queue:
// each step posts messages (or acts otherwise). When none is left the user
// closes the main window.
void script(std::function<void()> step);

HWND mainWindow();  // the first window still open, or null
const std::vector<MessageBoxRecord>& messageBoxes();
const std::vector<FileDialogRecord>& fileDialogs();
const std::vector<std::string>& overwritePrompts();  // the paths asked about
int currentCursor();                       // 32512 arrow, 32514 wait, 0 none set
const std::vector<int>& cursorHistory();   // every SetCursor, in order
HWND capture();
bool clipActive();
RECT clipRect();
const std::vector<std::uint32_t>& pixels(HWND window);
std::uint32_t pixel(HWND window, int x, int y);  // 0x00BBGGRR
int clientWidth(HWND window);
int clientHeight(HWND window);
std::string windowTitle(HWND window);
// The menu's entries as stored, and whether the item with `id` is checked.
std::vector<std::string> menuTexts(HWND window);
bool menuChecked(HWND window, UINT id);

using TextRecord = platform::TextRecord;  // text, position, alignment, font height, weight, italic, colour
// Every text drawn since the last reset, in order.
std::vector<TextRecord> texts();
void clearTexts();

}  // namespace headless
