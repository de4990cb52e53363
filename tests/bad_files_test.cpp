// Files no producer wrote: random damage to a valid DEM and extreme header
// values. Whatever the file, opening, painting, selecting and exporting must
// neither crash nor misbehave (the sanitizer build runs this too).
#include <fstream>
#include <random>

#include "app/resource.h"
#include "cli/cli.h"
#include "dem/header_reader.h"
#include "export/point_writer.h"
#include "test_support.h"

namespace {

fixture::DemFile baseDem() {
  fixture::DemFile dem = validDem();
  dem.profile(500030, 4000000, std::vector<int>(147, 500)).profile(500060, 4000010, std::vector<int>(316, 900));
  return dem;
}

// Everything a user can do with an opened file.
void exercise(Session& session) {
  HWND w = session.window();
  const char* messages[] = {kLineBreakMessage, kArcSecondMessage, kUnknownProducerMessage, kZeroExtentMessage};
  if (app.fileRejected) {
    bool known = false;
    for (auto* m : messages) known = known || headless::messageBoxes().back().text == m;
    EXPECT_TRUE(known) << headless::messageBoxes().back().text;
    return;
  }
  EXPECT_GE(app.mapShown, 1);
  EXPECT_LE(app.mapShown, 4);
  SendMessageA(w, WM_COMMAND, IDM_REDRAW, 0);
  for (int shape : {IDM_RECTANGLE, IDM_CIRCLE}) {
    SendMessageA(w, WM_COMMAND, IDM_REDRAW, 0);
    SendMessageA(w, WM_COMMAND, static_cast<WPARAM>(shape), 0);
    headless::answerDialog([](HWND dialog) {
      headless::typeInto(dialog, IDC_REMOVE, "1");
      headless::clickButton(dialog, IDOK);
    });
    headless::answerSave(fixture::tempPath("bad-out"));
    headless::press(w, 100, 100);
    headless::move(w, 400, 300);
    headless::move(w, 800, 600);
    headless::release(w, 800, 600);
  }
  app.areaType = AreaType::Rectangle;
  app.selMinX = app.selMinY = -2147483647 - 1;
  app.selMaxX = app.selMaxY = 2147483647;
  app.csvFormat = 1;
  app.removeCount = 0;
  headless::answerSave(fixture::tempPath("bad-all"));
  writeSelectedPoints(w);
}

}  // namespace

TEST(BadFiles, RandomDamageNeverCrashes) {
  std::mt19937 random(20261211);
  const std::string base = baseDem().bytes();
  const char alphabet[] = "0123456789-+.DEe \n\r,(";
  for (int round = 0; round < 150; ++round) {
    std::string bytes = base;
    int damage = 1 + static_cast<int>(random() % 40);
    for (int i = 0; i < damage; ++i) {
      std::size_t at = random() % bytes.size();
      bytes[at] = random() % 4 == 0 ? static_cast<char>(random() % 256) : alphabet[random() % (sizeof alphabet - 1)];
    }
    if (random() % 3 == 0) bytes.resize(random() % bytes.size());
    if (round % 2 == 0) bytes.replace(0, 31, "Digital Elevation Model by Qarn");  // keep it recognised
    std::string path = fixture::tempPath("damaged.dem");
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    SCOPED_TRACE(round);
    Session session;
    session.open(path);
    exercise(session);
  }
}

TEST(BadFiles, ExtremeHeaderValues) {
  struct Field {
    std::size_t position;
    const char* text;
  } fields[] = {
      {546, "-2147483648.0D+00      "}, {642, "   0.999999999999999D+99"}, {594, "  -0.999999999999999D+99"},
      {570, "       1D+400           "}, {666, "nan                     "}, {714, "-inf                    "},
      {738, "  -0.340282346638529D+39"}, {762, "   0.999999999999999D+99"}, {816, "-3.0E+00    "},
      {828, "1.0E-300    "},             {840, "-1.0E+38    "},             {858, " 32767"},
      {858, "-32768"},                   {858, "999999"},                   {162, "-99999"},
      {888, "-9"},                       {1036, "-32768"},                  {1036, " 32767"},
      {1048, "  -0.999999999999999D+99"}, {1072, "   0.999999999999999D+99"}, {1168, "-99999"},
  };
  for (auto& f : fields) {
    SCOPED_TRACE(testing::Message() << f.position << " = " << f.text);
    Session session;
    fixture::DemFile dem = baseDem();
    std::string bytes = dem.bytes();
    bytes.replace(f.position, std::string(f.text).size(), f.text);
    std::string path = fixture::tempPath("extreme.dem");
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    session.open(path);
    exercise(session);
  }
}
