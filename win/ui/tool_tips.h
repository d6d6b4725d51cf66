#pragma once

#include <string>

#include "win32.h"

namespace picoron::ui {

// One tool tip control per form, with a tool for each control. The controls
// hand it their mouse messages themselves: the tool tip's own way, hooking
// each control through comctl32, would sit above whatever procedure a control
// is given later and cost a property lookup at the server for every message. It asks the
// form for a tool's text (TTN_GETDISPINFO) only when it is about to show it,
// so changing a hint costs nothing; an empty text shows no tool tip. It
// shows only while the application is active (no TTS_ALWAYSTIP).
class ToolTips {
 public:
  ToolTips(HWND owner, HFONT font);
  ~ToolTips();
  ToolTips(const ToolTips&) = delete;
  ToolTips& operator=(const ToolTips&) = delete;

  HWND Handle() const { return handle_; }
  void Add(HWND control);
  // Hands the tool tip a mouse message of one of its controls.
  void Relay(HWND control, UINT message, WPARAM wparam, LPARAM lparam);

 private:
  HWND owner_;
  HWND handle_ = nullptr;
};

}  // namespace picoron::ui
