#include "clipboard_chain.h"

#include "ui/win32.h"

namespace picoron {
namespace {

HWND ToHwnd(WindowHandle handle) { return reinterpret_cast<HWND>(handle); }

}  // namespace

WindowHandle Win32ClipboardChain::SetClipboardViewer(WindowHandle self) {
  return reinterpret_cast<WindowHandle>(::SetClipboardViewer(ToHwnd(self)));
}

void Win32ClipboardChain::ChangeClipboardChain(WindowHandle self, WindowHandle next) {
  ::ChangeClipboardChain(ToHwnd(self), ToHwnd(next));
}

bool Win32ClipboardChain::IsTextAvailable() { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }

void Win32ClipboardChain::Send(WindowHandle to, unsigned message, std::uintptr_t wparam, std::intptr_t lparam) {
  SendMessageA(ToHwnd(to), message, wparam, lparam);
}

}  // namespace picoron
