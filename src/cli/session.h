// One run of the program for the command line: a fresh record and headless
// platform, the main window, and File, Open (which paints an accepted map)
// answered with a path.
#pragma once

#include <string>

#include "platform/win32.h"

class Session {
 public:
  Session();
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Runs File, Open with `path` as the dialog's answer. Returns the text of
  // the error box it showed, or a description of why nothing was opened;
  // empty when the file was accepted.
  std::string open(const std::string& path);
  // Writes the client area as a PNG; false when it cannot be written.
  bool writePng(const std::string& path) const;
  HWND window() const { return window_; }

 private:
  HWND window_ = nullptr;
};
