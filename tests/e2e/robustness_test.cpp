// The real picoron.exe against misbehaving neighbours and bad input: it must
// not freeze, crash, record what it is asked not to, or lose a text.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>

#include "driver.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

std::string Settings() { return ReadFileBytes(Picoron::SettingsPath()); }

void WriteSettings(const std::string& bytes) {
  std::ofstream(fs::path(Picoron::SettingsPath()), std::ios::binary) << bytes;
}

// A next viewer whose thread, once joined, blocks inside WM_DRAWCLIPBOARD for
// 30 seconds, or until the test lets it go.
class HungViewer {
 public:
  HungViewer() : release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), joined_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = std::thread([this] { Run(); });
    WaitForSingleObject(joined_, 10000);
  }
  ~HungViewer() {
    SetEvent(release_);
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
    CloseHandle(release_);
    CloseHandle(joined_);
  }

 private:
  static LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<HungViewer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && self->armed_ && message == WM_DRAWCLIPBOARD) {
      WaitForSingleObject(self->release_, 30000);
      return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
  }
  void Run() {
    threadId_ = GetCurrentThreadId();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WndProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"PicoronTestHungViewer";
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"hung", WS_POPUP, 0, 0, 0, 0, nullptr,
                                        nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    const HWND next = SetClipboardViewer(window);
    armed_ = true;  // the notice that joining brings is answered at once
    SetEvent(joined_);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    ChangeClipboardChain(window, next);
    DestroyWindow(window);
  }

  HANDLE release_;
  HANDLE joined_;
  DWORD threadId_ = 0;
  bool armed_ = false;
  std::thread thread_;
};

class NeighbourTest : public ::testing::Test {
 protected:
  bool fresh = (RemoveSettingsFile(), EmptyTheClipboard(), true);
};

TEST_F(NeighbourTest, ANextViewerThatStopsAnsweringDoesNotFreezePicoron) {
  HungViewer hung;  // joins first: picoron's next viewer
  Picoron picoron;
  for (const char* text : {"first", "second", "third"}) {
    SetClipboardText(text);
    ASSERT_TRUE(WaitUntil([&] { return picoron.BoxText(1) == text; })) << text;
  }
  ClickAt(picoron.CopyButton(3));
  ASSERT_TRUE(WaitUntil([&] { return picoron.BoxText(1) == "first"; }));
  EXPECT_EQ(picoron.BoxTexts(), (std::vector<std::string>{"first", "third", "second", "", "", ""}));
}

TEST_F(NeighbourTest, AChainThatLoopsBackToPicoronIsNotFollowedRound) {
  ChainWindow next;  // picoron's next viewer
  Picoron picoron;
  ChainWindow looper(false);
  next.LinkTo(looper.Handle());
  looper.LinkTo(picoron.Main());  // and round again
  for (const char* text : {"one", "two"}) {
    const int before = next.draws, loopedBefore = looper.draws;
    SetClipboardText(text);
    ASSERT_TRUE(WaitUntil([&] { return next.draws > before && picoron.BoxText(1) == text; }));
    Sync(picoron.Main());
    EXPECT_EQ(next.draws, before + 1);  // once round, then picoron let it be
    EXPECT_EQ(looper.draws, loopedBefore + 1);
  }
  next.LinkTo(nullptr);
}

struct MarkCase {
  const char* name;
  const char* format;
  bool hasValue;
  DWORD value;
  bool recorded;
};

class ExclusionMarks : public NeighbourTest, public ::testing::WithParamInterface<MarkCase> {};

TEST_P(ExclusionMarks, MarkedTextsAreNotRecordedButNoticesGoOn) {
  const MarkCase& c = GetParam();
  ChainWindow tail;
  Picoron picoron;
  int before = tail.draws;
  SetClipboardText("ordinary");
  ASSERT_TRUE(WaitUntil([&] { return tail.draws > before; }));
  before = tail.draws;
  SetClipboardTextMarked("marked", c.format, c.hasValue ? &c.value : nullptr);
  ASSERT_TRUE(WaitUntil([&] { return tail.draws > before; }));
  EXPECT_EQ(picoron.BoxText(1), c.recorded ? "marked" : "ordinary");
  EXPECT_EQ(picoron.BoxText(2), c.recorded ? "ordinary" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Robustness, ExclusionMarks,
    ::testing::Values(MarkCase{"ExcludeFromMonitorProcessing", "ExcludeClipboardContentFromMonitorProcessing", false, 0,
                               false},
                      MarkCase{"ClipboardViewerIgnore", "Clipboard Viewer Ignore", false, 0, false},
                      MarkCase{"NotForClipboardHistory", "CanIncludeInClipboardHistory", true, 0, false},
                      MarkCase{"AllowedInClipboardHistory", "CanIncludeInClipboardHistory", true, 1, true}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(NeighbourTest, AClipboardHeldOpenDuringTheNoticeLosesNoTextAndRecordsNoEmptyOne) {
  ChainWindow tail;
  Picoron picoron;
  SetClipboardText("before");
  ASSERT_TRUE(WaitUntil([&] { return picoron.BoxText(1) == "before"; }));
  ChainWindow holder;  // joins after picoron: the viewer before it
  holder.holdClipboardWhilePassingOn = true;
  SetClipboardText("held");
  ASSERT_TRUE(WaitUntil([&] { return picoron.BoxText(1) == "held"; }));
  EXPECT_EQ(picoron.BoxTexts(), (std::vector<std::string>{"held", "before", "", "", "", ""}));
}

struct BadSettingsCase {
  const char* name;
  std::string bytes;
};

std::string RandomBytes(size_t size) {
  std::mt19937 random(20261211);
  std::string bytes(size, '\0');
  for (auto& b : bytes) b = static_cast<char>(random() & 0xFF);
  return bytes;
}

class BadSettings : public NeighbourTest, public ::testing::WithParamInterface<BadSettingsCase> {};

TEST_P(BadSettings, StartWithDefaultsKeepWorkingAndWriteANormalFile) {
  WriteSettings(GetParam().bytes);
  ChainWindow tail;
  Picoron picoron;
  EXPECT_EQ(FindMessageBox(picoron.ProcessId()).window, nullptr);
  const RECT box = WindowBox(picoron.Main());
  EXPECT_EQ(box.left, 192);
  EXPECT_EQ(box.bottom - box.top, 209);
  SetClipboardText("works");
  ASSERT_TRUE(WaitUntil([&] { return picoron.BoxText(1) == "works"; }));
  ASSERT_TRUE(picoron.CloseAndWait());
  const std::string written = Settings();
  EXPECT_NE(written.find("[PicoRon]\r\n"), std::string::npos);
  EXPECT_NE(written.find("Top=114\r\n"), std::string::npos);
  EXPECT_NE(written.find("Left=192\r\n"), std::string::npos);
  RemoveSettingsFile();
}

INSTANTIATE_TEST_SUITE_P(
    Robustness, BadSettings,
    ::testing::Values(BadSettingsCase{"OneMebibyteOfRandomBytes", RandomBytes(1 << 20)},
                      BadSettingsCase{"NulInTheFirstLine", std::string("[PicoRon\0]\r\nLeft=5\r\n", 20)},
                      BadSettingsCase{"HundredThousandByteLine",
                                      "[PicoRon]\r\nLeft=" + std::string(100000, '7') + "\r\n"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(NeighbourTest, ASettingsFileLockedByAnotherProgramIsReportedAndNothingIsLost) {
  WriteSettings("[PicoRon]\r\nLeft=300\r\n");
  HANDLE writer = CreateFileW(Picoron::SettingsPath().c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  Picoron picoron(Picoron::Wait::kNot);
  for (int report = 0; report < 2; ++report) {  // the main window's read, then the editor's
    const MessageBoxSeen seen = AcknowledgeMessageBox(picoron.ProcessId());
    ASSERT_NE(seen.window, nullptr);
    EXPECT_NE(seen.text.find(L"は開けません."), std::wstring::npos);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(seen.window); }));
  }
  ASSERT_TRUE(picoron.WaitForMainWindow());
  SetClipboardText("still works");
  ASSERT_TRUE(WaitUntil([&] { return picoron.BoxText(1) == "still works"; }));
  CloseHandle(writer);
  ASSERT_TRUE(picoron.CloseAndWait());
  EXPECT_NE(Settings().find("[PicoRon]\r\nLeft=192\r\n"), std::string::npos);
  RemoveSettingsFile();
}

TEST_F(NeighbourTest, AWindowStoredWhereNoScreenShowsItComesBackOntoTheScreen) {
  WriteSettings("[PicoRon]\r\nLeft=5000\r\nTop=5000\r\n[Editer]\r\nLeft=-3000\r\nTop=-3000\r\n");
  Picoron picoron;
  RECT screen{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
  const RECT main = WindowBox(picoron.Main());
  EXPECT_EQ(main.right, screen.right);
  EXPECT_EQ(main.bottom, screen.bottom);
  const RECT editor = WindowBox(picoron.Editor());
  EXPECT_EQ(editor.left, screen.left);
  EXPECT_EQ(editor.top, screen.top);
  ASSERT_TRUE(picoron.CloseAndWait());
  RemoveSettingsFile();
}

TEST_F(NeighbourTest, AWindowOnlyPartlyBeyondAnEdgeStaysWhereTheFileSays) {
  WriteSettings("[PicoRon]\r\nLeft=-4\r\nTop=-100\r\n");
  Picoron picoron;
  const RECT main = WindowBox(picoron.Main());
  EXPECT_EQ(main.left, -4);
  EXPECT_EQ(main.top, -100);
  ASSERT_TRUE(picoron.CloseAndWait());
  RemoveSettingsFile();
}

}  // namespace
}  // namespace e2e
