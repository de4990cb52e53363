// The texts drawn, in order, for tests to read.
#pragma once

#include <string>
#include <vector>

#include "platform/win32.h"

namespace platform {

struct TextRecord {
  std::string text;
  int x, y;
  UINT align;
  int height, weight;
  bool italic;
  COLORREF colour;
};

std::vector<TextRecord>& textRecord();

}  // namespace platform
