#include "app/app_state.h"

AppState app;

void resetAppState() {
  app.outStream.close();
  app.demStream.close();
  static_cast<AppFields&>(app) = AppFields{};
}
