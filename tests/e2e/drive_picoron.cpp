// Drives the running picoron for the scripts that show it to people (the
// run command, the README's screenshots), waiting for each step to show:
//   drive_picoron copy TEXT...      each text on the clipboard, until box 1 shows it
//   drive_picoron press-toggle      clicks the hide toggle, until it is down
//   drive_picoron open-editor BOX   double-clicks entry box BOX, until the editor shows its text
//   drive_picoron hover BOX         clicks entry box BOX and rests there, until its tool tip shows
//   drive_picoron watch-box1        for each line "LENGTH PREFIX" on standard input, answers "ok"
//                                   as soon as box 1 holds a text of that length and beginning
//                                   (for bench/peer_latency.sh, which times it)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "driver.h"

namespace {

int Fail(const char* what) {
  std::fprintf(stderr, "drive_picoron: %s\n", what);
  return 1;
}

HWND FindEditor(HWND main) {
  DWORD pid = 0;
  GetWindowThreadProcessId(main, &pid);
  for (HWND window : e2e::ProcessWindows(pid, L"PicoronForm")) {
    if (window != main) return window;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Fail("usage: drive_picoron copy TEXT... | press-toggle | open-editor BOX");
  const HWND main = FindWindowW(L"PicoronForm", L"ピコロン～Ver1.0");
  if (!main) return Fail("picoron's window was not found");
  const std::string command = argv[1];

  if (command == "copy") {
    const HWND box1 = GetDlgItem(main, 115);
    for (int i = 2; i < argc; ++i) {
      const std::string text = argv[i];
      e2e::SetClipboardText(text);
      if (!e2e::WaitUntil([&] { return e2e::WindowTextA(box1) == text; })) return Fail("a text was not captured");
    }
    return 0;
  }
  if (command == "press-toggle") {
    const HWND toggle = GetDlgItem(main, 114);
    e2e::ClickAt(toggle);
    if (!e2e::WaitUntil([&] { return SendMessageW(toggle, BM_GETCHECK, 0, 0) == BST_CHECKED; })) {
      return Fail("the toggle did not go down");
    }
    return 0;
  }
  if (command == "open-editor" && argc == 3) {
    const HWND box = GetDlgItem(main, 114 + std::atoi(argv[2]));
    const HWND editor = FindEditor(main);
    if (!box || !editor) return Fail("no such box, or no editor window");
    const std::string text = e2e::WindowTextA(box);
    e2e::DoubleClickAt(box);
    if (!e2e::WaitUntil([&] {
          return IsWindowVisible(editor) && e2e::WindowTextA(GetDlgItem(editor, 102)) == text;
        })) {
      return Fail("the editor did not open");
    }
    return 0;
  }
  if (command == "hover" && argc == 3) {
    DWORD pid = 0;
    GetWindowThreadProcessId(main, &pid);
    e2e::ClickAt(GetDlgItem(main, 114 + std::atoi(argv[2])));
    if (!e2e::WaitUntil([&] { return !e2e::VisibleToolTipText(pid).empty(); })) return Fail("no tool tip showed");
    return 0;
  }
  if (command == "watch-box1") {
    const HWND box1 = GetDlgItem(main, 115);
    size_t length = 0;
    char prefix[64] = {};
    while (std::scanf("%zu %63s", &length, prefix) == 2) {
      const std::string expected = prefix;
      const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
      bool held = false;
      // A tight poll: the script times the answer, so it must not wait in
      // slices of its own.
      while (!held && std::chrono::steady_clock::now() < deadline) {
        char start[64] = {};
        held = static_cast<size_t>(SendMessageA(box1, WM_GETTEXTLENGTH, 0, 0)) == length &&
               SendMessageA(box1, WM_GETTEXT, sizeof start, reinterpret_cast<LPARAM>(start)) > 0 &&
               std::string(start).rfind(expected, 0) == 0;
        if (!held) Sleep(1);
      }
      std::printf(held ? "ok\n" : "timeout\n");
      std::fflush(stdout);
    }
    return 0;
  }
  return Fail("unknown command");
}
