#pragma once

#include <optional>
#include <vector>

#include "geometry.h"

namespace picoron {

// Where a window restored from the settings must go so that the user can
// reach it: nowhere else (nullopt) when it overlaps any monitor's work area
// at all, even by a strip; otherwise onto the nearest work area, as far in
// as its size allows.
std::optional<Point> OntoAScreen(const Rect& window, const std::vector<Rect>& workAreas);

}  // namespace picoron
