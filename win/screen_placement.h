#pragma once

#include "ui/form.h"

namespace picoron {

// A window restored from the settings where no monitor shows any of it (a
// monitor since unplugged, a hand-edited file) is moved onto the nearest
// monitor's work area. Without a taskbar button the user could never reach
// it otherwise. A window partly beyond an edge is left where it is.
void KeepReachable(ui::TForm& form);

}  // namespace picoron
