// Arbitrary bytes opened through File, Open: the checks, the header reader,
// the point count, the layout, and the paint of whatever is accepted.
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string path = fuzz::writeDem(data, size, false);
  fuzz::freshSession().open(path);
  return 0;
}
