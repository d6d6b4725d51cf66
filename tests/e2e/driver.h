#pragma once

// Drives the real picoron.exe from outside, as a user and its neighbours in
// the clipboard viewer chain would.

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "ui/win32.h"

namespace e2e {

using namespace std::chrono_literals;
constexpr auto kDeadline = 10s;

// The top-level windows, shown or hidden, of a process with a window class.
std::vector<HWND> ProcessWindows(DWORD processId, const wchar_t* windowClass);

// Pumps this thread's messages until `done` holds or the deadline passes.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds deadline = kDeadline);

// A window of ours in the clipboard viewer chain that counts what reaches it
// and passes every notice on, as a well-behaved viewer does.
class ChainWindow {
 public:
  // Joins the chain at once unless told not to.
  explicit ChainWindow(bool join = true);
  ~ChainWindow();
  ChainWindow(const ChainWindow&) = delete;
  ChainWindow& operator=(const ChainWindow&) = delete;

  HWND Handle() const { return handle_; }
  // Misbehaviour on request: pass notices on to `next` whatever the chain says.
  void LinkTo(HWND next) { next_ = next; }
  // Misbehaviour on request: keep the clipboard open while passing a notice on.
  bool holdClipboardWhilePassingOn = false;
  int draws = 0;
  std::vector<std::pair<WPARAM, LPARAM>> chainChanges;

 private:
  static LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  HWND handle_ = nullptr;
  HWND next_ = nullptr;
  bool joined_ = false;
};

// The bytes of a file; empty when there is none.
std::string ReadFileBytes(const std::filesystem::path& path);

void EmptyTheClipboard();
// Removes picoron.ini, or a folder standing in its place, so that a test
// starts as on a first run.
void RemoveSettingsFile();
// Puts an ANSI text on the clipboard as CF_TEXT.
void SetClipboardText(const std::string& text);
// The same, with a registered format beside it: empty, or holding a DWORD.
void SetClipboardTextMarked(const std::string& text, const char* format, const DWORD* value);
std::string ClipboardText();

// picoron.exe started by the test and closed (or ended) when it goes.
class Picoron {
 public:
  enum class Wait { kForMainWindow, kNot };
  explicit Picoron(Wait wait = Wait::kForMainWindow);
  // Waits until the main window is visible.
  bool WaitForMainWindow();
  // picoron.ini beside picoron.exe.
  static std::wstring SettingsPath();
  // The folder of picoron.exe, with a trailing separator.
  static std::wstring Folder();
  ~Picoron();
  Picoron(const Picoron&) = delete;
  Picoron& operator=(const Picoron&) = delete;

  HWND Main() const { return main_; }
  // The editor window, shown or hidden; its components are numbered from
  // 100 like the main window's (save button, copy button, memo).
  HWND Editor() const;
  DWORD ProcessId() const { return process_.dwProcessId; }
  // The component at a place of the main window's list (100 + place is its id).
  HWND Component(int place) const;
  HWND Box(int i) const { return Component(14 + i); }
  HWND CopyButton(int row, bool right = false) const { return Component(row - 1 + (right ? 6 : 0)); }
  std::string BoxText(int i) const;
  std::vector<std::string> BoxTexts() const;
  // Sends WM_CLOSE and waits for the process to end.
  bool CloseAndWait();

 private:
  PROCESS_INFORMATION process_{};
  HWND main_ = nullptr;
};

// Reads a window's whole ANSI text from another process.
std::string WindowTextA(HWND window);
std::wstring WindowTextW(HWND window);

// A message box of that process: its caption and message (the longest
// Static text); window is null when none is shown.
struct MessageBoxSeen {
  HWND window = nullptr;
  std::wstring caption;
  std::wstring text;
};
MessageBoxSeen FindMessageBox(DWORD processId);
// Waits for a message box of that process, presses OK and tells what it said.
MessageBoxSeen AcknowledgeMessageBox(DWORD processId);

// Waits for a dialog of that process (the save dialog, say); null if none came.
HWND WaitForDialog(DWORD processId);
// Types a path into a save dialog's file-name field and accepts it.
void AcceptSaveDialog(HWND dialog, const std::wstring& path);
std::wstring SaveDialogFileName(HWND dialog);
// Clicks a save button of picoron, types `path` into the dialog that opens
// and waits until the click's handler has finished; false if no dialog came.
bool SaveThroughDialog(const Picoron& picoron, HWND saveButton, const std::wstring& path);
// Returns once the process has handled everything sent before.
void Sync(HWND window);

// The text of a visible tool tip of that process, or empty.
std::wstring VisibleToolTipText(DWORD processId);

// The bounding box of a window's region; the whole window when it has none.
RECT RegionBox(HWND window);
RECT WindowBox(HWND window);

// A visible window of another program: showing and activating it takes the
// activation away from picoron.
class ForeignWindow {
 public:
  ForeignWindow();
  ~ForeignWindow();
  ForeignWindow(const ForeignWindow&) = delete;
  ForeignWindow& operator=(const ForeignWindow&) = delete;
  void Activate();
  HWND Handle() const { return handle_; }

 private:
  HWND handle_;
};

// Real input through SendInput: clicks land on whatever is under the pointer.
void ClickAt(HWND window);
void DoubleClickAt(HWND window);
void MovePointerTo(int x, int y);
void PressKey(WORD virtualKey);

}  // namespace e2e
