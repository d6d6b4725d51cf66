#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

#include "ui/application.h"
#include "ui/form.h"

namespace {

using namespace picoron::ui;

class BareForm : public TForm {
 public:
  explicit BareForm(TApplication& application)
      : TForm(application, FormDesign{"bare", {10, 10, 200, 100}, {192, 66}, false}) {}
};

struct MessageBoxSeen {
  HWND window = nullptr;
  std::wstring caption;
  std::wstring text;  // the longest Static child: the message
};

BOOL CALLBACK KeepLongestStatic(HWND child, LPARAM param) {
  wchar_t childClass[32] = {}, text[512] = {};
  GetClassNameW(child, childClass, 32);
  GetWindowTextW(child, text, 512);
  auto* box = reinterpret_cast<MessageBoxSeen*>(param);
  if (_wcsicmp(childClass, L"Static") == 0 && wcslen(text) > box->text.size()) box->text = text;
  return TRUE;
}

BOOL CALLBACK TakeOwnMessageBox(HWND window, LPARAM param) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if (pid != GetCurrentProcessId() || std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
  auto* found = reinterpret_cast<MessageBoxSeen*>(param);
  found->window = window;
  wchar_t caption[256] = {};
  GetWindowTextW(window, caption, 256);
  found->caption = caption;
  EnumChildWindows(window, KeepLongestStatic, param);
  return FALSE;
}

MessageBoxSeen FindMessageBox() {
  MessageBoxSeen seen;
  EnumWindows(TakeOwnMessageBox, reinterpret_cast<LPARAM>(&seen));
  return seen;
}

TEST(DefaultErrorReport, AnExceptionFromAHandlerIsReportedAndTheLoopGoesOn) {
  TApplication application;
  BareForm* form = nullptr;
  application.CreateForm(form);
  constexpr UINT kThrow = WM_APP + 1, kAfter = WM_APP + 2;
  bool handledAfter = false;
  form->BindMessage(kThrow, [](WPARAM, LPARAM) { throw std::runtime_error("ファイルへのアクセスが拒否されました"); });
  form->BindMessage(kAfter, [&](WPARAM, LPARAM) {
    handledAfter = true;
    application.Terminate();
  });

  MessageBoxSeen seen;
  std::thread user([&] {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!seen.window && std::chrono::steady_clock::now() < deadline) {
      seen = FindMessageBox();
      if (!seen.window) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (seen.window) SendMessageW(seen.window, WM_COMMAND, IDOK, 0);
    PostMessageW(form->Handle(), kAfter, 0, 0);  // ends the loop either way
  });
  PostMessageW(form->Handle(), kThrow, 0, 0);
  application.Run();
  user.join();

  ASSERT_NE(seen.window, nullptr) << "no message box appeared";
  EXPECT_EQ(seen.caption, L"platform_tests");  // the title derived from platform_tests.exe
  EXPECT_EQ(seen.text, L"ファイルへのアクセスが拒否されました.");
  EXPECT_TRUE(handledAfter);
}

}  // namespace
