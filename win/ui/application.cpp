#include "application.h"

#include <stdexcept>

#include "error_message.h"
#include "form.h"
#include "text.h"
#include "window_proc.h"

namespace picoron::ui {

TApplication* Application = nullptr;

namespace {

constexpr wchar_t kWindowClass[] = L"PicoronApplication";
constexpr UINT kDeactivationNotice = WM_APP + 0x100;

std::wstring ExeTitle() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return Widen(ApplicationTitle(Utf8FromWide(path)));
}

}  // namespace

TApplication::TApplication() : title_(ExeTitle()) {
  Application = this;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = ObjectWindowProc<TApplication>;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hIcon = LoadIconW(windowClass.hInstance, L"MAINICON");
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);
  // A zero-size popup: it is never seen, it only owns the forms.
  handle_ = CreateWindowExW(0, kWindowClass, title_.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                            GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                            nullptr, windowClass.hInstance, this);
  if (!handle_) throw std::runtime_error("cannot create the application window");
}

TApplication::~TApplication() {
  // Forms go first (last created first), while the owner window still exists.
  while (!forms_.empty()) forms_.pop_back();
  DestroyWindow(handle_);
  Application = nullptr;
}

void TApplication::Adopt(std::unique_ptr<TForm> form) {
  if (!mainForm_) mainForm_ = form.get();
  forms_.push_back(std::move(form));
}

void TApplication::RunOnCreate(TForm& form) {
  if (form.OnCreate) Guarded(form.OnCreate);
}

void TApplication::Run() {
  if (mainForm_) {
    ShowWindow(handle_, SW_SHOWNOACTIVATE);
    mainForm_->Show();
  }
  MSG message;
  for (;;) {
    if (!idle_.empty() && !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      const auto work = std::move(idle_.front());
      idle_.erase(idle_.begin());
      work();
      continue;
    }
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) break;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void TApplication::ShowException(const std::exception& error) {
  const std::wstring text = Widen(ErrorReportText(error.what()));
  MessageBoxW(handle_, text.c_str(), title_.c_str(), MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

void TApplication::ActivationChanged(bool active) {
  if (active || deactivationPosted_) return;
  deactivationPosted_ = PostMessageW(handle_, kDeactivationNotice, 0, 0) != FALSE;
}

LRESULT TApplication::Dispatch(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (!handle_) handle_ = window;
  switch (message) {
    case WM_ACTIVATEAPP:
      ActivationChanged(wparam != FALSE);
      return 0;
    case kDeactivationNotice:
      deactivationPosted_ = false;
      if (OnDeactivate) OnDeactivate();
      return 0;
    case WM_CLOSE:
      if (mainForm_) mainForm_->Close();
      return 0;
    case WM_ENDSESSION:
      // The logon ends: stop the loop without closing the main form.
      if (wparam) Terminate();
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace picoron::ui
