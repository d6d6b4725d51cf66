#pragma once

#include <string>

#include "component.h"

namespace picoron::ui {

// A flat button of our own window class that never takes the keyboard
// focus, so clicking it leaves focus and selections where they were. Its
// caption is its window text. With a GroupIndex it is a toggle whose Down
// state is drawn pressed.
class TSpeedButton : public TControl {
 public:
  TSpeedButton(TForm& owner, Bounds design, unsigned anchors, const char* captionUtf8);

  bool Down() const { return down_; }
  void SetDown(bool down);
  int GroupIndex = 0;
  bool AllowAllUp = false;

  TNotifyEvent OnClick;

 private:
  template <class Owner>
  friend LRESULT CALLBACK ObjectWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT Dispatch(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void Paint(HWND window);
  void Click();

  bool down_ = false;
  bool pressed_ = false;  // the mouse button went down on it and is held
  bool hot_ = false;      // the pointer is over it
};

}  // namespace picoron::ui
