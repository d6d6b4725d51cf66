#pragma once

namespace picoron {

// A rectangle; right and bottom lie outside it.
struct Rect {
  int left, top, right, bottom;
  bool operator==(const Rect&) const = default;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

struct Point {
  int x, y;
  bool operator==(const Point&) const = default;
};

}  // namespace picoron
