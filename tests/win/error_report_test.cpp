#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

#include "driver.h"
#include "ui/application.h"
#include "ui/form.h"

namespace {

using namespace picoron::ui;
using e2e::MessageBoxSeen;

class BareForm : public TForm {
 public:
  explicit BareForm(TApplication& application)
      : TForm(application, FormDesign{"bare", {10, 10, 200, 100}, {192, 66}, false}) {}
};

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
      seen = e2e::FindMessageBox(GetCurrentProcessId());
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
