#include "placement.h"

#include <algorithm>
#include <limits>

namespace picoron {
namespace {

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

long long GapSquared(const Rect& a, const Rect& b) {
  const long long dx = std::max({0LL, 0LL + b.left - a.right, 0LL + a.left - b.right});
  const long long dy = std::max({0LL, 0LL + b.top - a.bottom, 0LL + a.top - b.bottom});
  return dx * dx + dy * dy;
}

// The window's position along one axis, moved inside [low, high) as far as
// its length allows; a longer window starts at low.
int Inside(int position, int length, int low, int high) {
  return std::max(low, std::min(position, high - length));
}

}  // namespace

std::optional<Point> OntoAScreen(const Rect& window, const std::vector<Rect>& workAreas) {
  if (workAreas.empty()) return std::nullopt;
  for (const Rect& area : workAreas) {
    if (Overlap(window, area)) return std::nullopt;
  }
  const Rect* nearest = &workAreas.front();
  long long nearestGap = std::numeric_limits<long long>::max();
  for (const Rect& area : workAreas) {
    const long long gap = GapSquared(window, area);
    if (gap < nearestGap) {
      nearest = &area;
      nearestGap = gap;
    }
  }
  return Point{Inside(window.left, window.Width(), nearest->left, nearest->right),
               Inside(window.top, window.Height(), nearest->top, nearest->bottom)};
}

}  // namespace picoron
