// The save button of the real picoron.exe, with the real save dialog driven
// from outside: what reaches the file, and what is reported when it cannot.
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


class SaveTest : public PicoronTest {
 protected:
  void SetUp() override {
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  // The dialog makes the chosen folder picoron's current one, and a current
  // folder cannot be removed: picoron ends first.
  void TearDown() override {
    picoron.CloseAndWait();
    fs::remove_all(folder);
  }

  // Clicks the save button and waits for its dialog.
  HWND OpenSaveDialog() {
    ClickAt(picoron.Component(12));
    return WaitForDialog(picoron.ProcessId());
  }
  void SaveTo(const fs::path& path) {
    ASSERT_TRUE(SaveThroughDialog(picoron, picoron.Component(12), path.wstring()));
  }

  const fs::path folder = fs::path(Picoron::Folder()) / "e2e-saves";
};

TEST_F(SaveTest, SuggestsTheTimeStampedNameAndWritesTheArchiveEveryTime) {
  for (const char* text : {"T1", "T2", "T3"}) Copy(text);
  const HWND dialog = OpenSaveDialog();
  ASSERT_NE(dialog, nullptr);
  SYSTEMTIME now;
  GetLocalTime(&now);
  wchar_t monthAndDay[8];
  swprintf(monthAndDay, 8, L"%02u%02u", now.wMonth, now.wDay);
  const std::wstring suggested = SaveDialogFileName(dialog);
  EXPECT_EQ(suggested.size(), 10u);
  EXPECT_EQ(suggested.substr(0, 6), L"pr" + std::wstring(monthAndDay));
  AcceptSaveDialog(dialog, (folder / "history.txt").wstring());
  ASSERT_TRUE(WaitUntil([&] { return ReadFileBytes(folder / "history.txt") == "T1\r\nT2\r\nT3\r\n\r\n"; }));

  SaveTo(folder / "history.txt");
  EXPECT_EQ(ReadFileBytes(folder / "history.txt"), "T1\r\nT2\r\nT3\r\nT1\r\nT2\r\nT3\r\n\r\n");
}

TEST_F(SaveTest, CancelWritesNothing) {
  Copy("T1");
  const HWND dialog = OpenSaveDialog();
  ASSERT_NE(dialog, nullptr);
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
  Sync(picoron.Main());
  EXPECT_TRUE(fs::is_empty(folder));
  EXPECT_EQ(FindMessageBox(picoron.ProcessId()).window, nullptr);
}

TEST_F(SaveTest, ALongerExistingFileHoldsOnlyTheNewContent) {
  std::ofstream(folder / "old.txt", std::ios::binary) << std::string(1000, 'z');
  Copy("T1");
  SaveTo(folder / "old.txt");
  EXPECT_EQ(ReadFileBytes(folder / "old.txt"), "T1\r\n\r\n");
}

TEST_F(SaveTest, TextsPushedOutWhileTheDialogIsOpenReachTheFile) {
  for (const char* text : {"T1", "T2", "T3", "T4", "T5", "T6"}) Copy(text);
  const HWND dialog = OpenSaveDialog();
  ASSERT_NE(dialog, nullptr);
  Copy("T7");  // captured while the dialog is open: T1 falls into the archive
  EXPECT_EQ(picoron.BoxText(1), "T7");
  AcceptSaveDialog(dialog, (folder / "during.txt").wstring());
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
  Sync(picoron.Main());
  EXPECT_EQ(ReadFileBytes(folder / "during.txt"), "T1\r\nT2\r\nT3\r\nT4\r\nT5\r\nT6\r\nT1\r\n\r\n");
}

TEST_F(SaveTest, AFileInAMissingFolderIsReportedByTheSystemsCode) {
  Copy("T1");
  SaveTo(folder / "missing" / "history.txt");
  const MessageBoxSeen report = AcknowledgeMessageBox(picoron.ProcessId());
  ASSERT_NE(report.window, nullptr);
  EXPECT_EQ(report.text, L"不正なファイル名です.");  // the system's code 3, path not found
  EXPECT_FALSE(fs::exists(folder / "missing"));
}

TEST_F(SaveTest, AFileThatMayNotBeWrittenIsReportedAndKept) {
  // Prepared by the test command: root may write any file under Wine, but
  // not one marked immutable.
  const char* unixPath = std::getenv("PICORON_E2E_LOCKED_FILE");
  if (!unixPath) GTEST_SKIP() << "no write-protected file was prepared";
  const fs::path locked = fs::path("Z:" + std::string(unixPath));
  const HANDLE probe = CreateFileW(locked.wstring().c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (probe != INVALID_HANDLE_VALUE) {
    CloseHandle(probe);
    GTEST_SKIP() << "no write-protected file was prepared";
  }
  const std::string before = ReadFileBytes(locked);
  Copy("T1");
  SaveTo(locked);
  const MessageBoxSeen report = AcknowledgeMessageBox(picoron.ProcessId());
  ASSERT_NE(report.window, nullptr);
  EXPECT_EQ(report.text, L"ファイルへのアクセスが拒否されました.");
  EXPECT_EQ(ReadFileBytes(locked), before);
}

}  // namespace
}  // namespace e2e
