#include "driver.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace e2e {
namespace {

constexpr wchar_t kChainClass[] = L"PicoronTestChainWindow";

std::wstring PicoronPath() { return L"" PICORON_EXE; }

// SetClipboardData needs an owner window: with none, EmptyClipboard leaves
// the clipboard ownerless and the data is refused.
HWND ClipboardOwner() {
  static const HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                            GetModuleHandleW(nullptr), nullptr);
  return owner;
}

void OpenClipboardOrThrow() {
  if (!WaitUntil([] { return OpenClipboard(ClipboardOwner()) != FALSE; })) {
    throw std::runtime_error("the clipboard stays busy");
  }
}

}  // namespace

std::vector<HWND> ProcessWindows(DWORD processId, const wchar_t* windowClass) {
  std::vector<HWND> windows;
  for (HWND window = FindWindowExW(nullptr, nullptr, windowClass, nullptr); window;
       window = FindWindowExW(nullptr, window, windowClass, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId) windows.push_back(window);
  }
  return windows;
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds deadline) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (done()) return true;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    // Wakes for any message, sent ones included; the slice bounds the wait
    // for conditions that change in another process.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<long long>(left.count(), 20)),
                              QS_ALLINPUT);
  }
}

ChainWindow::ChainWindow(bool join) {
  static const bool registered = [] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WndProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kChainClass;
    return RegisterClassW(&windowClass) != 0;
  }();
  if (!registered) throw std::runtime_error("cannot register the chain window class");
  handle_ = CreateWindowExW(0, kChainClass, L"chain", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
  if (join) {
    next_ = SetClipboardViewer(handle_);
    joined_ = true;
  }
}

ChainWindow::~ChainWindow() {
  if (joined_) ChangeClipboardChain(handle_, next_);
  DestroyWindow(handle_);
}

LRESULT CALLBACK ChainWindow::WndProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams));
  }
  auto* self = reinterpret_cast<ChainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wparam, lparam);
  switch (message) {
    case WM_DRAWCLIPBOARD: {
      ++self->draws;
      const bool holding = self->holdClipboardWhilePassingOn && OpenClipboard(window);
      if (self->next_) SendMessageW(self->next_, message, wparam, lparam);
      if (holding) CloseClipboard();
      return 0;
    }
    case WM_CHANGECBCHAIN:
      self->chainChanges.emplace_back(wparam, lparam);
      if (reinterpret_cast<HWND>(wparam) == self->next_) {
        self->next_ = reinterpret_cast<HWND>(lparam);
      } else if (self->next_) {
        SendMessageW(self->next_, message, wparam, lparam);
      }
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

void EmptyTheClipboard() {
  OpenClipboardOrThrow();
  EmptyClipboard();
  CloseClipboard();
}

std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

void RemoveSettingsFile() {
  DeleteFileW(Picoron::SettingsPath().c_str());
  RemoveDirectoryW(Picoron::SettingsPath().c_str());
}

namespace {

void PutOnClipboard(UINT format, const void* data, size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
  if (size) {
    memcpy(GlobalLock(memory), data, size);
    GlobalUnlock(memory);
  }
  if (!SetClipboardData(format, memory)) GlobalFree(memory);
}

}  // namespace

void SetClipboardText(const std::string& text) { SetClipboardTextMarked(text, nullptr, nullptr); }

void SetClipboardTextMarked(const std::string& text, const char* format, const DWORD* value) {
  OpenClipboardOrThrow();
  EmptyClipboard();
  PutOnClipboard(CF_TEXT, text.c_str(), text.size() + 1);
  if (format) PutOnClipboard(RegisterClipboardFormatA(format), value, value ? sizeof *value : 0);
  CloseClipboard();
}

std::string ClipboardText() {
  OpenClipboardOrThrow();
  std::string text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    text = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

std::wstring Picoron::Folder() {
  const std::wstring exe = PicoronPath();
  return exe.substr(0, exe.find_last_of(L"/\\") + 1);
}

std::wstring Picoron::SettingsPath() { return Folder() + L"picoron.ini"; }

Picoron::Picoron(Wait wait) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring commandLine = L"\"" + PicoronPath() + L"\"";
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process_)) {
    throw std::runtime_error("cannot start picoron.exe");
  }
  if (wait == Wait::kForMainWindow && !WaitForMainWindow()) {
    throw std::runtime_error("picoron's main window did not appear");
  }
}

bool Picoron::WaitForMainWindow() {
  // Ready once its main window is visible (it joined the chain while made)
  // and what start-up leaves until then exists too: the editor window and
  // the tool tips of both windows.
  return WaitUntil([this] {
    const auto forms = ProcessWindows(process_.dwProcessId, L"PicoronForm");
    for (HWND window : forms) {
      if (IsWindowVisible(window)) main_ = window;
    }
    return main_ != nullptr && forms.size() == 2 &&
           ProcessWindows(process_.dwProcessId, L"tooltips_class32").size() == 2;
  });
}

Picoron::~Picoron() {
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    CloseAndWait();
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool Picoron::CloseAndWait() {
  PostMessageW(main_, WM_CLOSE, 0, 0);
  return WaitUntil([this] { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; });
}

HWND Picoron::Editor() const {
  for (HWND window : ProcessWindows(process_.dwProcessId, L"PicoronForm")) {
    if (window != main_) return window;
  }
  return nullptr;
}

HWND Picoron::Component(int place) const { return GetDlgItem(main_, 100 + place); }

std::string Picoron::BoxText(int i) const { return WindowTextA(Box(i)); }

std::vector<std::string> Picoron::BoxTexts() const {
  std::vector<std::string> texts;
  for (int i = 1; i <= 6; ++i) texts.push_back(BoxText(i));
  return texts;
}

std::string WindowTextA(HWND window) {
  const auto length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

std::wstring WindowTextW(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring VisibleToolTipText(DWORD processId) {
  for (HWND window : ProcessWindows(processId, L"tooltips_class32")) {
    if (!IsWindowVisible(window)) continue;
    // Asked by message: GetWindowText across processes reads only the stored
    // caption, while a tool tip answers WM_GETTEXT with the tip it shows.
    wchar_t text[1024] = {};
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
  }
  return {};
}

namespace {

BOOL CALLBACK KeepLongestStatic(HWND child, LPARAM param) {
  wchar_t name[32] = {};
  GetClassNameW(child, name, 32);
  auto* seen = reinterpret_cast<MessageBoxSeen*>(param);
  const std::wstring text = WindowTextW(child);
  if (_wcsicmp(name, L"Static") == 0 && text.size() > seen->text.size()) seen->text = text;
  return TRUE;
}

}  // namespace

MessageBoxSeen FindMessageBox(DWORD processId) {
  MessageBoxSeen seen;
  for (HWND window : ProcessWindows(processId, L"#32770")) {
    if (!IsWindowVisible(window)) continue;
    seen.window = window;
    seen.caption = WindowTextW(window);
    EnumChildWindows(window, KeepLongestStatic, reinterpret_cast<LPARAM>(&seen));
    break;
  }
  return seen;
}

MessageBoxSeen AcknowledgeMessageBox(DWORD processId) {
  MessageBoxSeen seen;
  WaitUntil([&] {
    seen = FindMessageBox(processId);
    return seen.window != nullptr;
  });
  if (seen.window) PostMessageW(seen.window, WM_COMMAND, IDOK, 0);
  return seen;
}

HWND WaitForDialog(DWORD processId) {
  HWND dialog = nullptr;
  WaitUntil([&] {
    dialog = FindMessageBox(processId).window;
    return dialog != nullptr;
  });
  return dialog;
}

namespace {

BOOL CALLBACK TakeFirstEdit(HWND child, LPARAM param) {
  wchar_t name[32] = {};
  GetClassNameW(child, name, 32);
  if (_wcsicmp(name, L"Edit") != 0) return TRUE;
  *reinterpret_cast<HWND*>(param) = child;
  return FALSE;
}

HWND FileNameField(HWND dialog) {
  HWND field = nullptr;
  EnumChildWindows(dialog, TakeFirstEdit, reinterpret_cast<LPARAM>(&field));
  return field;
}

}  // namespace

std::wstring SaveDialogFileName(HWND dialog) {
  wchar_t text[1024] = {};
  SendMessageW(FileNameField(dialog), WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
  return text;
}

void AcceptSaveDialog(HWND dialog, const std::wstring& path) {
  // Typed as a user would: the dialog takes "/" for a character that is not
  // allowed in a name.
  std::wstring typed = path;
  for (auto& c : typed) {
    if (c == L'/') c = L'\\';
  }
  SendMessageW(FileNameField(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

bool SaveThroughDialog(const Picoron& picoron, HWND saveButton, const std::wstring& path) {
  ClickAt(saveButton);
  const HWND dialog = WaitForDialog(picoron.ProcessId());
  if (!dialog) return false;
  AcceptSaveDialog(dialog, path);
  if (!WaitUntil([&] { return !IsWindow(dialog); })) return false;
  Sync(picoron.Main());
  return true;
}

void Sync(HWND window) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
}

RECT RegionBox(HWND window) {
  RECT box = WindowBox(window);
  OffsetRect(&box, -box.left, -box.top);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(window, region) != ERROR) GetRgnBox(region, &box);
  DeleteObject(region);
  return box;
}

RECT WindowBox(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

ForeignWindow::ForeignWindow()
    : handle_(CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW, 600, 600, 200, 100, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr)) {}

ForeignWindow::~ForeignWindow() { DestroyWindow(handle_); }

void ForeignWindow::Activate() {
  ShowWindow(handle_, SW_SHOW);
  SetForegroundWindow(handle_);
}

namespace {

// SendInput's absolute coordinates run from 0 to 65535 across the screen.
INPUT PointerAt(int x, int y, DWORD flags) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = (x * 65536 + width / 2) / width;
  input.mi.dy = (y * 65536 + height / 2) / height;
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  return input;
}

}  // namespace

void MovePointerTo(int x, int y) {
  INPUT move = PointerAt(x, y, MOUSEEVENTF_MOVE);
  SendInput(1, &move, sizeof(INPUT));
}

void ClickAt(HWND window) {
  const RECT r = WindowBox(window);
  const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
  INPUT inputs[3] = {PointerAt(x, y, MOUSEEVENTF_MOVE), PointerAt(x, y, MOUSEEVENTF_LEFTDOWN),
                     PointerAt(x, y, MOUSEEVENTF_LEFTUP)};
  SendInput(3, inputs, sizeof(INPUT));
}

void DoubleClickAt(HWND window) {
  const RECT r = WindowBox(window);
  const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
  INPUT inputs[5] = {PointerAt(x, y, MOUSEEVENTF_MOVE), PointerAt(x, y, MOUSEEVENTF_LEFTDOWN),
                     PointerAt(x, y, MOUSEEVENTF_LEFTUP), PointerAt(x, y, MOUSEEVENTF_LEFTDOWN),
                     PointerAt(x, y, MOUSEEVENTF_LEFTUP)};
  SendInput(5, inputs, sizeof(INPUT));
}

void PressKey(WORD virtualKey) {
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[1].ki.wVk = virtualKey;
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
}

}  // namespace e2e
