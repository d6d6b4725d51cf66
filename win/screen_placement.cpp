#include "screen_placement.h"

#include <vector>

#include "placement.h"

namespace picoron {
namespace {

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(monitor, &info)) {
    const RECT& r = info.rcWork;
    reinterpret_cast<std::vector<Rect>*>(areas)->push_back(Rect{r.left, r.top, r.right, r.bottom});
  }
  return TRUE;
}

}  // namespace

void KeepReachable(ui::TForm& form) {
  std::vector<Rect> workAreas;
  EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&workAreas));
  const Rect window{form.Left(), form.Top(), form.Left() + form.Width(), form.Top() + form.Height()};
  if (const auto moved = OntoAScreen(window, workAreas)) {
    form.SetLeft(moved->x);
    form.SetTop(moved->y);
  }
}

}  // namespace picoron
