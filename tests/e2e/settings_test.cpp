// picoron.ini beside the real picoron.exe: read at start, written at close,
// and its failures reported without losing the window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "driver.h"

namespace e2e {
namespace {

std::string ReadSettings() { return ReadFileBytes(Picoron::SettingsPath()); }

void WriteSettings(const std::string& bytes) {
  std::ofstream(std::filesystem::path(Picoron::SettingsPath()), std::ios::binary) << bytes;
}

// Both windows at their designed geometry, the toggle up.
const std::string kFirstFile =
    "[PicoRon]\r\nTop=114\r\nLeft=192\r\nHeight=209\r\nWidth=297\r\nDown=0\r\n\r\n"
    "[Editer]\r\nTop=113\r\nLeft=491\r\nHeight=298\r\nWidth=336\r\n\r\n";

RECT Geometry(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

bool ToggleDown(const Picoron& picoron) {
  return SendMessageW(picoron.Component(14), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { RemoveSettingsFile(); }
  void TearDown() override { RemoveSettingsFile(); }
  // A folder where the file should be: it can be neither read nor written.
  static void BlockTheFile() { ASSERT_TRUE(CreateDirectoryW(Picoron::SettingsPath().c_str(), nullptr)); }

  ChainWindow tail;
};

TEST_F(SettingsTest, FirstStartUsesTheDesignAndCloseWritesBothSections) {
  {
    Picoron picoron;
    const RECT r = Geometry(picoron.Main());
    EXPECT_EQ(r.left, 192);
    EXPECT_EQ(r.top, 114);
    EXPECT_EQ(r.right - r.left, 297);
    EXPECT_EQ(r.bottom - r.top, 209);
    EXPECT_FALSE(ToggleDown(picoron));
    ASSERT_TRUE(picoron.CloseAndWait());
  }
  EXPECT_EQ(ReadSettings(), kFirstFile);
}

TEST_F(SettingsTest, StoredGeometryAndToggleAreAppliedAndUnknownLinesKept) {
  WriteSettings("; mine\r\n[picoron]\r\n left = 300 \r\nTop=$C8\r\nWidth=350\r\nDown=1\r\n[Other]\r\nA=1\r\n");
  {
    Picoron picoron;
    const RECT r = Geometry(picoron.Main());
    EXPECT_EQ(r.left, 300);
    EXPECT_EQ(r.top, 200);
    EXPECT_EQ(r.right - r.left, 350);
    EXPECT_TRUE(ToggleDown(picoron));
    ASSERT_TRUE(picoron.CloseAndWait());
  }
  EXPECT_EQ(ReadSettings(),
            "[picoron]\r\nLeft=300\r\nTop=200\r\nWidth=350\r\nDown=1\r\nHeight=209\r\n\r\n[Other]\r\nA=1\r\n\r\n"
            "[Editer]\r\nTop=113\r\nLeft=491\r\nHeight=298\r\nWidth=336\r\n\r\n");
}

TEST_F(SettingsTest, UnreadableFileIsReportedAndStartUpGoesOn) {
  BlockTheFile();
  Picoron picoron(Picoron::Wait::kNot);
  // Both windows read the file while they are created, and each reports.
  for (const char* window : {"main", "editor"}) {
    SCOPED_TRACE(window);
    MessageBoxSeen report;
    ASSERT_TRUE(WaitUntil([&] {
      report = FindMessageBox(picoron.ProcessId());
      return report.window != nullptr;
    }));
    EXPECT_EQ(report.caption, L"picoron");
    EXPECT_EQ(report.text.rfind(L"ファイル ", 0), 0u) << report.text.c_str();
    EXPECT_NE(report.text.find(L"picoron.ini は開けません."), std::wstring::npos) << report.text.c_str();
    SendMessageW(report.window, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(report.window); }));
  }
  ASSERT_TRUE(picoron.WaitForMainWindow());
  EXPECT_EQ(Geometry(picoron.Main()).left, 192);
  const int before = tail.draws;
  SetClipboardText("still captures");
  ASSERT_TRUE(WaitUntil([&] { return tail.draws > before && picoron.BoxText(1) == "still captures"; }));
  RemoveDirectoryW(Picoron::SettingsPath().c_str());
  EXPECT_TRUE(picoron.CloseAndWait());
}

TEST_F(SettingsTest, FailedCloseIsReportedAndTheWindowStaysAndStillCaptures) {
  Picoron picoron;
  // Another program reads the file and lets nobody write it meanwhile.
  WriteSettings("[PicoRon]\r\n");
  HANDLE reader = CreateFileW(Picoron::SettingsPath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  PostMessageW(picoron.Main(), WM_CLOSE, 0, 0);
  const MessageBoxSeen report = AcknowledgeMessageBox(picoron.ProcessId());
  ASSERT_NE(report.window, nullptr);
  EXPECT_NE(report.text.find(L"picoron.ini を作成できません."), std::wstring::npos) << report.text.c_str();
  EXPECT_TRUE(IsWindowVisible(picoron.Main()));

  // Still in the chain: the text arrives in box 1 and the notice goes on.
  const int before = tail.draws;
  SetClipboardText("after the failed close");
  ASSERT_TRUE(WaitUntil([&] { return tail.draws > before && picoron.BoxText(1) == "after the failed close"; }));

  // Closing again runs the whole close again, and this time it succeeds.
  CloseHandle(reader);
  ASSERT_TRUE(picoron.CloseAndWait());
  EXPECT_EQ(ReadSettings(), kFirstFile);
}

}  // namespace
}  // namespace e2e
