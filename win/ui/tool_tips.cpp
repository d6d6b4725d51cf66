#include "tool_tips.h"

#include <commctrl.h>
#include <windowsx.h>

#include "system_library.h"

namespace picoron::ui {
namespace {

constexpr int kShowAfterMs = 500;
constexpr int kHideAfterMs = 2500;
// A width limit makes the control honour line breaks in the text.
constexpr int kMaxTipWidth = 600;

// comctl32 is taken in with the first tool tip, once the windows are up.
// Without it there are no tool tips, and nothing else is lost.
bool LoadToolTipClass() {
  static const bool loaded = [] {
    using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto init = LoadSystemFunction<InitFunction>(L"comctl32.dll", "InitCommonControlsEx");
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
    return init && init(&classes);
  }();
  return loaded;
}

TTTOOLINFOA ToolFor(HWND owner, HWND control) {
  TTTOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  return tool;
}

}  // namespace

ToolTips::ToolTips(HWND owner, HFONT font) : owner_(owner) {
  if (!LoadToolTipClass()) return;
  handle_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr),
                            nullptr);
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

void ToolTips::Relay(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
  if (!handle_) return;
  MSG relayed{control, message, wparam, lparam, static_cast<DWORD>(GetMessageTime()), {}};
  const DWORD position = GetMessagePos();
  relayed.pt = POINT{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  SendMessageW(handle_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

}  // namespace picoron::ui
