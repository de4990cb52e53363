#include "cli/session.h"

#include <png.h>

#include <vector>

#include "app/main_window.h"
#include "app/resource.h"
#include "dem/app_state.h"
#include "platform/headless/headless.h"

Session::Session() {
  headless::reset();
  resetAppState();
  window_ = createMainWindow(GetModuleHandleA(nullptr));
  ShowWindow(window_, SW_SHOWDEFAULT);
}

Session::~Session() {
  app.demStream.close();
  headless::reset();
}

std::string Session::open(const std::string& path) {
  if (path.empty()) return "no DEM file given";
  if (path.size() >= kPathCapacity) return "path longer than 259 characters: " + path;
  headless::answerOpen(path);
  SendMessageA(window_, WM_COMMAND, IDM_OPEN, 0);
  if (app.fileRejected == 0) return "";
  for (auto& box : headless::messageBoxes())
    if (box.caption == "Error") return box.text;
  return "nothing was opened";
}

bool Session::writePng(const std::string& path) const {
  int width = headless::clientWidth(window_), height = headless::clientHeight(window_);
  const auto& pixels = headless::pixels(window_);
  std::vector<png_byte> rgb(static_cast<std::size_t>(width) * height * 3);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    rgb[3 * i] = pixels[i] & 0xFF;  // 0x00BBGGRR: red in the low byte
    rgb[3 * i + 1] = (pixels[i] >> 8) & 0xFF;
    rgb[3 * i + 2] = (pixels[i] >> 16) & 0xFF;
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  bool ok = png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), width * 3, nullptr) != 0;
  png_image_free(&image);
  return ok;
}
