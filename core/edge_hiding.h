#pragma once

#include <optional>

#include "geometry.h"

namespace picoron {

inline constexpr int kLockedHeight = 209;

// Where the collapsed window's strip lies. It is the first column of the
// client area, so that a pointer over it reaches the form itself (the child
// controls start 16 pixels in), whatever the width of the window's frame;
// at the screen's left edge the window is moved so that this column is
// screen column 0.
struct Strip {
  Rect rect;      // in window coordinates: one column wide, 150 rows tall
  int edgeLeft;   // the window's Left that puts the strip on screen column 0
  bool operator==(const Strip&) const = default;
};

// The strip for a window whose client area starts `clientLeft` columns and
// `clientTop` rows from its outer top-left corner. On a 4-pixel frame under
// a caption of less than 36 rows it is (4, 40, 5, 190) with edge -4.
Strip StripFor(int clientLeft, int clientTop);

// What the main window looks like to the three handlers.
struct EdgeState {
  bool toggleDown;
  int left;
  int width;
  int height;
  bool hidden;
};

// What a handler does: move the window, hand it a new region, and the new
// collapsed state.
struct EdgeAction {
  std::optional<int> moveLeftTo;
  std::optional<Rect> region;
  bool hidden;
  bool operator==(const EdgeAction&) const = default;
};

// Loss of activation: with the toggle down, collapse to the strip (moved to
// the screen's edge when the window stands partly beyond it). The settings
// are written afterwards either way.
EdgeAction AppDeactivate(const EdgeState& state, const Strip& strip);
// A pointer move over the form: a collapsed window comes back whole.
EdgeAction FormMouseMove(const EdgeState& state);
// The region after a change of size: the whole window, with the height read
// after it was set back to the locked height.
Rect FullRegion(int width, int height);

}  // namespace picoron
