#include "history_saving.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fakes.h"

namespace picoron {
namespace {

struct NameCase {
  const char* name;
  LocalTime time;
  std::string suggested;
};

class NameCases : public ::testing::TestWithParam<NameCase> {};

TEST_P(NameCases, IsPrAndTwoDigitsEach) { EXPECT_EQ(SuggestedHistoryName(GetParam().time), GetParam().suggested); }

INSTANTIATE_TEST_SUITE_P(Saving, NameCases,
                         ::testing::Values(NameCase{"FifthOfMarch", {3, 5, 14, 7}, "pr03051407"},
                                           NameCase{"Midnight", {1, 1, 0, 0}, "pr01010000"},
                                           NameCase{"LastMinuteOfTheYear", {12, 31, 23, 59}, "pr12312359"}),
                         testing::CaseName());

TEST(IoErrorMessage, TableByCode) {
  EXPECT_EQ(IoErrorMessage(2), "ファイルが見つかりません");
  EXPECT_EQ(IoErrorMessage(3), "不正なファイル名です");
  EXPECT_EQ(IoErrorMessage(4), "オープンしたファイルが多すぎます");
  EXPECT_EQ(IoErrorMessage(5), "ファイルへのアクセスが拒否されました");
  EXPECT_EQ(IoErrorMessage(32), "I/O エラー (32)");
  EXPECT_EQ(IoErrorMessage(112), "I/O エラー (112)");
}

class FakeDialog : public SaveFileDialog {
 public:
  void SetFileName(const std::string& name) override { suggested.push_back(name); }
  bool Execute() override {
    if (duringDialog) duringDialog();
    return accept;
  }
  std::string FileName() const override { return "C:\\out\\history.txt"; }

  bool accept = true;
  std::function<void()> duringDialog;
  std::vector<std::string> suggested;
};

// A file that records what reached it; each operation can be made to fail.
class FakeFile : public HistoryFile {
 public:
  unsigned Create(const std::string& path) override {
    calls.push_back("create " + path);
    if (createError == 0) bytes.clear();
    return createError;
  }
  unsigned Write(std::string_view written) override {
    calls.push_back("write");
    if (writeError == 0) bytes += written;
    return writeError;
  }
  unsigned Close() override {
    calls.push_back("close");
    return closeError;
  }

  unsigned createError = 0, writeError = 0, closeError = 0;
  std::string bytes = "old content that is longer";
  std::vector<std::string> calls;
};

class SaveHistoryTest : public ::testing::Test {
 protected:
  void Push(const std::string& text) {
    history.SetNewClip(text);
    history.PushClip();
  }
  void Save() { SaveHistory(history, dialog, LocalTime{3, 5, 14, 7}, file); }
  unsigned SaveExpectingError() {
    try {
      Save();
    } catch (const IoError& error) {
      return error.code();
    }
    return 0;
  }

  testing::FakeEntryView view;
  History history{view};
  FakeDialog dialog;
  FakeFile file;
};

TEST_F(SaveHistoryTest, EmptyHistoryWritesExactlyALineBreak) {
  Save();
  EXPECT_EQ(dialog.suggested, std::vector<std::string>{"pr03051407"});
  EXPECT_EQ(file.bytes, "\r\n");
  EXPECT_EQ(file.calls.front(), "create C:\\out\\history.txt");
  EXPECT_EQ(file.calls.back(), "close");
}

TEST_F(SaveHistoryTest, EverySaveWritesTheWholeArchiveAgain) {
  for (const char* text : {"T1", "T2", "T3"}) Push(text);
  Save();
  EXPECT_EQ(file.bytes, "T1\r\nT2\r\nT3\r\n\r\n");
  Save();
  EXPECT_EQ(file.bytes, "T1\r\nT2\r\nT3\r\nT1\r\nT2\r\nT3\r\n\r\n");
}

TEST_F(SaveHistoryTest, CancelWritesNothingButKeepsWhatWasArchived) {
  Push("T1");
  dialog.accept = false;
  Save();
  EXPECT_TRUE(file.calls.empty());
  EXPECT_EQ(history.Archive(), "T1\r\n");
  dialog.accept = true;
  Save();
  EXPECT_EQ(file.bytes, "T1\r\nT1\r\n\r\n");
}

TEST_F(SaveHistoryTest, TextsArchivedWhileTheDialogIsOpenReachTheFile) {
  for (const char* text : {"T1", "T2", "T3", "T4", "T5", "T6"}) Push(text);
  dialog.duringDialog = [this] { Push("T7"); };  // moves T1 out of the history
  Save();
  EXPECT_EQ(file.bytes, "T1\r\nT2\r\nT3\r\nT4\r\nT5\r\nT6\r\nT1\r\n\r\n");
}

struct FailureCase {
  const char* name;
  unsigned createError, writeError, closeError;
  unsigned reported;
  std::vector<std::string> calls;
};

class SaveFailures : public SaveHistoryTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(SaveFailures, AreReportedOnceWithTheSystemCode) {
  const FailureCase& c = GetParam();
  Push("T1");
  file.createError = c.createError;
  file.writeError = c.writeError;
  file.closeError = c.closeError;
  EXPECT_EQ(SaveExpectingError(), c.reported);
  EXPECT_EQ(file.calls, c.calls);
  EXPECT_EQ(history.Archive(), "T1\r\n");  // step 1 stays done
}

const std::vector<std::string> kCreateOnly = {"create C:\\out\\history.txt"};
const std::vector<std::string> kWriteOnceAndClose = {"create C:\\out\\history.txt", "write", "close"};
const std::vector<std::string> kAllSteps = {"create C:\\out\\history.txt", "write", "write", "close"};

INSTANTIATE_TEST_SUITE_P(
    Saving, SaveFailures,
    ::testing::Values(FailureCase{"CreateNotFound", 2, 0, 0, 2, kCreateOnly},
                      FailureCase{"CreatePathNotFound", 3, 0, 0, 3, kCreateOnly},
                      FailureCase{"CreateTooManyFiles", 4, 0, 0, 4, kCreateOnly},
                      FailureCase{"CreateAccessDenied", 5, 0, 0, 5, kCreateOnly},
                      FailureCase{"CreateSharingViolation", 32, 0, 0, 32, kCreateOnly},
                      FailureCase{"WriteDiskFullStillCloses", 0, 112, 0, 112, kWriteOnceAndClose},
                      FailureCase{"WriteAndCloseReportTheWrite", 0, 112, 5, 112, kWriteOnceAndClose},
                      FailureCase{"CloseFails", 0, 0, 112, 112, kAllSteps}),
    testing::CaseName());

}  // namespace
}  // namespace picoron
