#include "tool_tips.h"

#include <commctrl.h>

namespace picoron::ui {
namespace {

constexpr int kShowAfterMs = 500;
constexpr int kHideAfterMs = 2500;
// A width limit makes the control honour line breaks in the text.
constexpr int kMaxTipWidth = 600;

TTTOOLINFOA ToolFor(HWND owner, HWND control) {
  TTTOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  return tool;
}

}  // namespace

ToolTips::ToolTips(HWND owner, HFONT font)
    : owner_(owner),
      handle_(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                              GetModuleHandleW(nullptr), nullptr)) {
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(handle_, TTM_SETDELAYTIME, TTDT_INITIAL, kShowAfterMs);
  SendMessageW(handle_, TTM_SETDELAYTIME, TTDT_AUTOPOP, kHideAfterMs);
  SendMessageW(handle_, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
}

ToolTips::~ToolTips() {
  if (IsWindow(handle_)) DestroyWindow(handle_);
}

void ToolTips::Add(HWND control) {
  TTTOOLINFOA tool = ToolFor(owner_, control);
  tool.lpszText = LPSTR_TEXTCALLBACKA;
  SendMessageA(handle_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace picoron::ui
