#include "cli/session.h"

#include "dem/app_state.h"
#include "dem/header_reader.h"
#include "platform/headless/headless.h"

Session::Session() {
  headless::reset();
  resetAppState();
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefWindowProcA;
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  wc.lpszClassName = "tarnwickCliWindow";
  RegisterClassExA(&wc);
  window_ = CreateWindowExA(0, "tarnwickCliWindow", "Tarnwick", WS_CAPTION | WS_SYSMENU, 0, 0, 960, 740, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
}

Session::~Session() {
  app.demStream.close();
  headless::reset();
}

std::string Session::open(const std::string& path) {
  if (path.empty()) return "no DEM file given";
  if (path.size() >= kPathCapacity) return "path longer than 259 characters: " + path;
  headless::answerOpen(path);
  openDemFile(window_);
  if (app.fileRejected == 0) return "";
  for (auto& box : headless::messageBoxes())
    if (box.caption == "Error") return box.text;
  return "nothing was opened";
}
