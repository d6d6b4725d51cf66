// The floor for capture latency: a viewer that only reads CF_TEXT into
// memory and passes the notice on, joined where picoron would be.
#include <string>

#include "ui/win32.h"

namespace {

HWND next = nullptr;
std::string last;

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_DRAWCLIPBOARD:
      if (IsClipboardFormatAvailable(CF_TEXT) && OpenClipboard(window)) {
        if (HANDLE data = GetClipboardData(CF_TEXT)) {
          last = static_cast<const char*>(GlobalLock(data));
          GlobalUnlock(data);
        }
        CloseClipboard();
      }
      if (next) SendMessageW(next, message, wparam, lparam);
      return 0;
    case WM_CHANGECBCHAIN:
      if (reinterpret_cast<HWND>(wparam) == next) {
        next = reinterpret_cast<HWND>(lparam);
      } else if (next) {
        SendMessageW(next, message, wparam, lparam);
      }
      return 0;
    case WM_CLOSE:
      ChangeClipboardChain(window, next);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WndProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"PicoronBaselineViewer";
  RegisterClassW(&windowClass);
  const HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"baseline", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                      nullptr, nullptr, instance, nullptr);
  next = SetClipboardViewer(window);
  // Shown as a program shows its window at start: active, in front.
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
