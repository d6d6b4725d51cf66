// Puts each argument on the clipboard in turn and waits until the running
// picoron shows it in box 1: the run command's way to fill the window with
// sample texts without guessing how long a capture takes.
#include <cstdio>
#include <string>

#include "driver.h"

int main(int argc, char** argv) {
  const HWND main = FindWindowW(L"PicoronForm", nullptr);
  if (!main) {
    std::fprintf(stderr, "picoron's window was not found\n");
    return 1;
  }
  const HWND box1 = GetDlgItem(main, 115);
  for (int i = 1; i < argc; ++i) {
    const std::string text = argv[i];
    e2e::SetClipboardText(text);
    if (!e2e::WaitUntil([&] { return e2e::WindowTextA(box1) == text; })) {
      std::fprintf(stderr, "picoron did not capture sample %d\n", i);
      return 1;
    }
  }
  return 0;
}
