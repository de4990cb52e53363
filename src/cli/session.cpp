#include "cli/session.h"

#include <png.h>

#include <cstdint>
#include <cstdio>

#include "app/main_window.h"
#include "app/resource.h"
#include "app/app_state.h"
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
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  bool ok = false;
  // libpng reports its failures by longjmp: nothing with a destructor lives
  // between here and the write.
  if (info && setjmp(png_jmpbuf(png)) == 0) {
    png_init_io(png, file);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    // 0x00BBGGRR is, byte by byte on a little-endian machine, red, green,
    // blue and a filler: the rows go out as they are, the filler dropped.
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < height; ++y) {
      const std::uint32_t* row = pixels.data() + static_cast<std::size_t>(y) * width;
      png_write_row(png, reinterpret_cast<png_const_bytep>(row));
    }
    png_write_end(png, nullptr);
    ok = true;
  }
  png_destroy_write_struct(&png, &info);
  return (std::fclose(file) == 0) && ok;
}
