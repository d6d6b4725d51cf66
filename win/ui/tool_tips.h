#pragma once

#include <string>

#include "win32.h"

namespace picoron::ui {

// One tool tip control per form, with a tool for each control that has a
// hint. It shows only while the application is active (no TTS_ALWAYSTIP).
class ToolTips {
 public:
  ToolTips(HWND owner, HFONT font);
  ~ToolTips();
  ToolTips(const ToolTips&) = delete;
  ToolTips& operator=(const ToolTips&) = delete;

  HWND Handle() const { return handle_; }
  void Add(HWND control);
  // An empty text shows no tool tip.
  void SetText(HWND control, const std::string& ansiText);

 private:
  HWND owner_;
  HWND handle_;
};

}  // namespace picoron::ui
