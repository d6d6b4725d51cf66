#include "clipboard_chain.h"

#include <algorithm>
#include <vector>

#include "ui/handles.h"
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

bool Win32ClipboardChain::IsExcludedFromHistory() {
  // The formats by which clipboard owners ask history tools to keep away.
  static const UINT exclude = RegisterClipboardFormatA("ExcludeClipboardContentFromMonitorProcessing");
  static const UINT ignore = RegisterClipboardFormatA("Clipboard Viewer Ignore");
  static const UINT history = RegisterClipboardFormatA("CanIncludeInClipboardHistory");
  // Asked once for the whole list: under Wine every query of a single format
  // is a round trip to the server, and this runs on every capture.
  std::vector<UINT> formats(64);
  UINT count = 0;
  while (!GetUpdatedClipboardFormats(formats.data(), static_cast<UINT>(formats.size()), &count) &&
         GetLastError() == ERROR_INSUFFICIENT_BUFFER && formats.size() < 0x10000) {
    formats.resize(formats.size() * 4);
  }
  formats.resize(count);
  const auto offers = [&](UINT format) { return std::find(formats.begin(), formats.end(), format) != formats.end(); };
  if (offers(exclude) || offers(ignore)) return true;
  if (!offers(history)) return false;
  ui::ClipboardSession session(nullptr);
  if (!session.IsOpen()) return false;
  ui::GlobalLockGuard flag(GetClipboardData(history));
  return flag.size() >= sizeof(DWORD) && *static_cast<const DWORD*>(flag.data()) == 0;
}

std::uint32_t Win32ClipboardChain::ClipboardSequence() { return GetClipboardSequenceNumber(); }

void Win32ClipboardChain::Send(WindowHandle to, unsigned message, std::uintptr_t wparam, std::intptr_t lparam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(ToHwnd(to), message, wparam, lparam, SMTO_NORMAL | SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
}

void Win32ClipboardChain::PostCaptureRetry() { PostMessageW(ToHwnd(self_), retryMessage_, 0, 0); }

}  // namespace picoron
