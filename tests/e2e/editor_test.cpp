// The editor window of the real picoron.exe: opened by double-clicking an
// entry, saving its text through the real dialog, copying it back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fixture.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;


class EditorTest : public PicoronTest {
 protected:
  void SetUp() override {
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override {
    picoron.CloseAndWait();  // the dialog made the folder picoron's current one
    fs::remove_all(folder);
    RemoveSettingsFile();
  }
  HWND Editor() const { return picoron.Editor(); }
  HWND EditorMemo() const { return GetDlgItem(Editor(), 102); }
  // Double-clicks entry box i and waits until the editor shows its text.
  void Open(int box) {
    const std::string text = picoron.BoxText(box);
    DoubleClickAt(picoron.Box(box));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(Editor()) && WindowTextA(EditorMemo()) == text; }));
  }

  const fs::path folder = fs::path(Picoron::Folder()) / "e2e-editor";
};

TEST_F(EditorTest, IsCreatedHiddenWithItsCaptionAndDesignedGeometry) {
  ASSERT_NE(Editor(), nullptr);
  EXPECT_FALSE(IsWindowVisible(Editor()));
  EXPECT_EQ(WindowTextW(Editor()), L"ノトポン");
  const RECT box = WindowBox(Editor());
  EXPECT_EQ(box.left, 491);
  EXPECT_EQ(box.top, 113);
  EXPECT_EQ(box.right - box.left, 336);
  EXPECT_EQ(box.bottom - box.top, 298);
  EXPECT_FALSE(GetWindowLongW(Editor(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(EditorTest, ADoubleClickShowsTheEntryWithItsLineBreaks) {
  Copy("line 1\r\nline 2");
  Copy("T1");
  Open(2);
  EXPECT_EQ(WindowTextA(EditorMemo()), "line 1\r\nline 2");
  Open(1);
  EXPECT_EQ(WindowTextA(EditorMemo()), "T1");
  Open(3);  // an empty box empties the editor
  EXPECT_EQ(WindowTextA(EditorMemo()), "");
}

TEST_F(EditorTest, SavesTheMemoTextByteForByte) {
  const std::string texts[] = {"", "a\r\nb", "\x93\xfa\x96\x7b\x8c\xea\r\n\x82\xa0\x81\x40"};  // 日本語, あ　
  Copy("T1");
  Open(1);
  int n = 0;
  for (const auto& text : texts) {
    SendMessageA(EditorMemo(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    const fs::path path = folder / ("saved" + std::to_string(n++) + ".txt");
    ASSERT_TRUE(SaveThroughDialog(picoron, GetDlgItem(Editor(), 100), path.wstring()));
    EXPECT_EQ(ReadFileBytes(path), text);
  }
}

TEST_F(EditorTest, AFileThatMayNotBeWrittenIsReported) {
  const char* unixPath = std::getenv("PICORON_E2E_LOCKED_FILE");
  if (!unixPath) GTEST_SKIP() << "no write-protected file was prepared";
  const fs::path locked = fs::path("Z:" + std::string(unixPath));
  const std::string before = ReadFileBytes(locked);
  Copy("T1");
  Open(1);
  ASSERT_TRUE(SaveThroughDialog(picoron, GetDlgItem(Editor(), 100), locked.wstring()));
  const MessageBoxSeen report = AcknowledgeMessageBox(picoron.ProcessId());
  ASSERT_NE(report.window, nullptr);
  EXPECT_EQ(report.text.rfind(L"ファイル ", 0), 0u);
  EXPECT_NE(report.text.find(L" を作成できません."), std::wstring::npos);
  EXPECT_EQ(ReadFileBytes(locked), before);
}

TEST_F(EditorTest, CopyWithNothingSelectedMakesTheTrimmedTextEntry1) {
  Copy("T1");
  Open(1);
  SendMessageA(EditorMemo(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("edited  \r\n"));
  const int before = tail.draws;
  ClickAt(GetDlgItem(Editor(), 101));
  ASSERT_TRUE(WaitUntil([&] { return tail.draws > before; }));
  EXPECT_EQ(picoron.BoxText(1), "edited");
  EXPECT_EQ(picoron.BoxText(2), "T1");
  EXPECT_EQ(WindowTextA(EditorMemo()), "edited  \r\n");
}

TEST_F(EditorTest, ClosingHidesItAndTheNextOpeningShowsItWhereItWas) {
  Copy("T1");
  Open(1);
  SetWindowPos(Editor(), nullptr, 50, 60, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
  PostMessageW(Editor(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(Editor()); }));
  EXPECT_TRUE(IsWindowVisible(picoron.Main()));
  Copy("T2");
  Open(1);
  const RECT box = WindowBox(Editor());
  EXPECT_EQ(box.left, 50);
  EXPECT_EQ(box.top, 60);
  EXPECT_EQ(box.right - box.left, 400);
}

TEST_F(EditorTest, ClosingTheMainWindowEndsAllAndWritesTheEditorsGeometry) {
  Copy("T1");
  Open(1);
  SetWindowPos(Editor(), nullptr, 70, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(picoron.CloseAndWait());
  const std::string settings = ReadFileBytes(Picoron::SettingsPath());
  EXPECT_NE(settings.find("[Editer]\r\nTop=80\r\nLeft=70\r\nHeight=298\r\nWidth=336\r\n"), std::string::npos)
      << settings;
}

TEST(EditorStart, TheStoredGeometryIsAppliedAtStart) {
  RemoveSettingsFile();
  std::ofstream(std::filesystem::path(Picoron::SettingsPath()), std::ios::binary)
      << "[Editer]\r\nTop=90\r\nLeft=40\r\nHeight=250\r\nWidth=300\r\n";
  Picoron picoron;
  const RECT box = WindowBox(picoron.Editor());
  EXPECT_EQ(box.left, 40);
  EXPECT_EQ(box.top, 90);
  EXPECT_EQ(box.right - box.left, 300);
  EXPECT_EQ(box.bottom - box.top, 250);
  picoron.CloseAndWait();
  RemoveSettingsFile();
}

}  // namespace
}  // namespace e2e
