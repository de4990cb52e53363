// An accepted file painted: File, Open with its paint, then Redraw, over
// profiles, counts and corners taken from the input.
#include "app/resource.h"
#include "app/app_state.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string path = fuzz::writeDem(data, size, true);
  Session& session = fuzz::freshSession();
  if (!session.open(path).empty()) return 0;
  SendMessageA(session.window(), WM_COMMAND, IDM_REDRAW, 0);
  return 0;
}
