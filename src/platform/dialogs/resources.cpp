// Resources the program names by number: menus built from tarnwick.rc.
#include "platform/platform_state.h"

HMENU loadMenuResource(int) { return nullptr; }
