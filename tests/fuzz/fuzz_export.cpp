// An accepted file exported: the selection (rectangle or circle, typed in
// ground units or dragged in client pixels, negative and huge values) and
// the thinning count come from the front of the input, the file from the
// rest.
#include <fuzzer/FuzzedDataProvider.h>

#include "app/resource.h"
#include "app/app_state.h"
#include "export/point_writer.h"
#include "fuzz_support.h"
#include "platform/headless/headless.h"

namespace {

void typedSelection(FuzzedDataProvider& input, HWND window, bool rectangle) {
  SendMessageA(window, WM_COMMAND, rectangle ? IDM_RECTANGLE : IDM_CIRCLE, 0);
  if (rectangle) {
    app.selMinX = input.ConsumeIntegral<std::int32_t>(), app.selMinY = input.ConsumeIntegral<std::int32_t>();
    app.selMaxX = input.ConsumeIntegral<std::int32_t>(), app.selMaxY = input.ConsumeIntegral<std::int32_t>();
  } else {
    app.circleCenterX = input.ConsumeIntegral<std::int32_t>();
    app.circleCenterY = input.ConsumeIntegral<std::int32_t>();
    app.circleRadius = input.ConsumeIntegral<std::int32_t>();
  }
  app.csvFormat = input.ConsumeBool() ? 1 : 0;
  app.removeCount = input.ConsumeIntegral<std::int16_t>();
  writeSelectedPoints(window);
}

void draggedSelection(FuzzedDataProvider& input, HWND window, bool rectangle) {
  SendMessageA(window, WM_COMMAND, rectangle ? IDM_RECTANGLE : IDM_CIRCLE, 0);
  int x0 = input.ConsumeIntegral<std::int16_t>(), y0 = input.ConsumeIntegral<std::int16_t>();
  int x1 = input.ConsumeIntegral<std::int16_t>(), y1 = input.ConsumeIntegral<std::int16_t>();
  bool space = input.ConsumeBool();
  std::string thin = input.ConsumeBytesAsString(3);  // the field takes what it takes
  headless::answerDialog([&](HWND dialog) {
    if (space) headless::clickButton(dialog, IDC_SPACE);
    headless::typeInto(dialog, IDC_REMOVE, thin);
    headless::clickButton(dialog, IDOK);
  });
  headless::press(window, x0, y0);
  headless::move(window, x1, y1);
  headless::release(window, x1, y1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  bool dragged = input.ConsumeBool(), rectangle = input.ConsumeBool();
  std::string choices = input.ConsumeBytesAsString(32);  // the selection's own bytes, apart from the file's
  std::vector<std::uint8_t> file = input.ConsumeRemainingBytes<std::uint8_t>();
  std::string path = fuzz::writeDem(file.data(), file.size(), true);
  Session& session = fuzz::freshSession();
  if (!session.open(path).empty()) return 0;
  headless::answerSave(fuzz::scratchPath("points.csv"));
  FuzzedDataProvider selection(reinterpret_cast<const std::uint8_t*>(choices.data()), choices.size());
  if (dragged)
    draggedSelection(selection, session.window(), rectangle);
  else
    typedSelection(selection, session.window(), rectangle);
  return 0;
}
