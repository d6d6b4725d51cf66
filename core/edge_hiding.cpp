#include "edge_hiding.h"

#include <algorithm>

namespace picoron {
namespace {

constexpr int kStripTop = 40;
constexpr int kStripBottom = 190;

}  // namespace

Strip StripFor(int clientLeft, int clientTop) {
  // The strip keeps its rows unless a taller caption pushes the client area
  // below them; it stays 150 rows tall.
  const int top = std::max(kStripTop, clientTop);
  return Strip{Rect{clientLeft, top, clientLeft + 1, top + (kStripBottom - kStripTop)}, -clientLeft};
}

EdgeAction AppDeactivate(const EdgeState& state, const Strip& strip) {
  if (!state.toggleDown) return EdgeAction{std::nullopt, std::nullopt, state.hidden};
  std::optional<int> move;
  if (state.left < 0) move = strip.edgeLeft;
  return EdgeAction{move, strip.rect, true};
}

EdgeAction FormMouseMove(const EdgeState& state) {
  if (!state.hidden) return EdgeAction{std::nullopt, std::nullopt, false};
  return EdgeAction{std::nullopt, FullRegion(state.width, state.height), false};
}

Rect FullRegion(int width, int height) { return Rect{0, 0, width, height}; }

}  // namespace picoron
