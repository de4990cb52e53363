// Fonts and text: CreateFontA picks a face through fontconfig ("Times New
// Roman" resolves to a metric-compatible serif), TextOutA rasterises it with
// FreeType. A positive height is the character cell height, as in GDI, which
// is FreeType's cell size request. Every text drawn is also recorded.
#include <ft2build.h>
#include FT_FREETYPE_H
#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

#include "platform/gdi/raster.h"
#include "platform/gdi/text_record.h"
#include "platform/platform_state.h"

namespace {

FT_Library library() {
  static FT_Library lib = [] {
    FT_Library l = nullptr;
    if (FT_Init_FreeType(&l) != 0) l = nullptr;
    return l;
  }();
  return lib;
}

// The face fontconfig matches for the family, weight and slant; null (with
// one warning) when there is none.
FT_Face faceFor(const std::string& family, bool bold, bool italic) {
  static std::map<std::tuple<std::string, bool, bool>, FT_Face> faces;
  auto key = std::make_tuple(family, bold, italic);
  if (auto it = faces.find(key); it != faces.end()) return it->second;
  FT_Face face = nullptr;
  if (library() && FcInit()) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
      FcChar8* file = nullptr;
      int index = 0;
      FcPatternGetInteger(match, FC_INDEX, 0, &index);
      if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch)
        if (FT_New_Face(library(), reinterpret_cast<const char*>(file), index, &face) != 0) face = nullptr;
      FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
  }
  if (!face) std::fprintf(stderr, "tarnwick platform: no font found for \"%s\"; text is not drawn\n", family.c_str());
  faces[key] = face;
  return face;
}

// A rendered glyph as FreeType gives it for one face and cell height. The
// banner draws the same few glyphs at every paint; rendering them once keeps
// a paint's cost in the plot, where it belongs.
struct Glyph {
  std::int64_t advance = 0;  // 26.6
  int left = 0, top = 0;
  unsigned rows = 0, width = 0;
  std::vector<unsigned char> alpha;  // rows x width coverage
};

const Glyph* glyphFor(FT_Face face, int height, unsigned char c) {
  static std::map<std::tuple<FT_Face, int, unsigned char>, std::optional<Glyph>> glyphs;
  auto key = std::make_tuple(face, height, c);
  auto it = glyphs.find(key);
  if (it == glyphs.end()) {
    std::optional<Glyph> glyph;
    FT_Size_RequestRec request{FT_SIZE_REQUEST_TYPE_CELL, 0, height * 64, 0, 0};
    if (FT_Request_Size(face, &request) == 0 && FT_Load_Char(face, c, FT_LOAD_RENDER) == 0) {
      FT_GlyphSlot g = face->glyph;
      glyph = Glyph{g->advance.x, g->bitmap_left, g->bitmap_top, g->bitmap.rows, g->bitmap.width, {}};
      for (unsigned row = 0; row < g->bitmap.rows; ++row)
        for (unsigned col = 0; col < g->bitmap.width; ++col)
          glyph->alpha.push_back(g->bitmap.buffer[static_cast<long>(row) * g->bitmap.pitch + col]);
    }
    it = glyphs.emplace(key, std::move(glyph)).first;
  }
  return it->second ? &*it->second : nullptr;
}

std::uint32_t blend(std::uint32_t destination, std::uint32_t colour, unsigned alpha) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    unsigned d = (destination >> shift) & 0xFF, c = (colour >> shift) & 0xFF;
    unsigned v = (d * (255 - alpha) + c * alpha + 127) / 255;
    out |= v << shift;
  }
  return out;
}

}  // namespace

namespace platform {

std::vector<TextRecord>& textRecord() {
  static std::vector<TextRecord> record;
  return record;
}

}  // namespace platform

HFONT WINAPI CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                         DWORD underline, DWORD strikeOut, DWORD, DWORD, DWORD, DWORD, DWORD, LPCSTR face) {
  if (width || escapement || orientation || underline || strikeOut || height <= 0)
    PLATFORM_UNIMPLEMENTED("CreateFontA beyond a positive cell height, weight and italic");
  return new HFONT__(height, weight, italic != 0, face ? face : "");
}

COLORREF WINAPI SetTextColor(HDC dc, COLORREF colour) {
  if (!dc) return CLR_INVALID;
  COLORREF previous = dc->textColour;
  dc->textColour = colour & 0xFFFFFF;
  return previous;
}

int WINAPI SetBkMode(HDC dc, int mode) {
  if (!dc) return 0;
  int previous = dc->bkMode;
  dc->bkMode = mode;
  return previous;
}

UINT WINAPI SetTextAlign(HDC dc, UINT align) {
  if (!dc) return 0xFFFFFFFF;
  if (align & ~UINT(TA_CENTER | TA_BASELINE)) PLATFORM_UNIMPLEMENTED("SetTextAlign beyond centre and baseline");
  UINT previous = dc->textAlign;
  dc->textAlign = align;
  return previous;
}

int WINAPI lstrlenA(LPCSTR text) { return text ? static_cast<int>(std::strlen(text)) : 0; }

BOOL WINAPI TextOutA(HDC dc, int x, int y, LPCSTR text, int length) {
  if (!dc || !text || length < 0) return FALSE;
  if (dc->bkMode != TRANSPARENT) PLATFORM_UNIMPLEMENTED("TextOutA with an opaque background");
  std::string s(text, static_cast<std::size_t>(length));
  HFONT__* font = dc->font;
  auto& record = platform::textRecord();
  if (record.size() >= 100000) record.erase(record.begin(), record.begin() + 50000);
  record.push_back({s, x, y, dc->textAlign, font ? font->height : 0, font ? font->weight : 0,
                    font ? font->italic : false, dc->textColour});
  if (!font) return TRUE;
  FT_Face face = faceFor(font->face, font->weight >= FW_BOLD - 100, font->italic);
  if (!face) return TRUE;
  FT_Size_RequestRec request{FT_SIZE_REQUEST_TYPE_CELL, 0, font->height * 64, 0, 0};
  if (FT_Request_Size(face, &request) != 0) return FALSE;

  std::int64_t widthUnits = 0;  // 26.6
  for (unsigned char c : s)
    if (const Glyph* g = glyphFor(face, font->height, c)) widthUnits += g->advance;
  std::int64_t penX = std::int64_t(x) * 64;
  if ((dc->textAlign & TA_CENTER) == TA_CENTER) penX -= widthUnits / 2;
  std::int64_t baseline = (dc->textAlign & TA_BASELINE) ? y : std::int64_t(y) + ((face->size->metrics.ascender + 32) >> 6);

  platform::Raster raster(dc->window);
  for (unsigned char c : s) {
    const Glyph* g = glyphFor(face, font->height, c);
    if (!g) continue;
    std::int64_t left = ((penX + 32) >> 6) + g->left;
    std::int64_t top = baseline - g->top;
    for (unsigned row = 0; row < g->rows; ++row)
      for (unsigned col = 0; col < g->width; ++col) {
        unsigned alpha = g->alpha[static_cast<std::size_t>(row) * g->width + col];
        std::int64_t px = left + col, py = top + row;
        if (alpha && px >= 0 && py >= 0 && px < raster.width() && py < raster.height()) {
          std::uint32_t& pixel = raster.at(static_cast<int>(px), static_cast<int>(py));
          pixel = blend(pixel, dc->textColour, alpha);
        }
      }
    penX += g->advance;
  }
  return TRUE;
}
