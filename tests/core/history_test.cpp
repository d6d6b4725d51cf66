#include "history.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "fakes.h"

namespace picoron {
namespace {

using Entries = std::array<std::string, kEntryCount>;

class HistoryTest : public ::testing::Test {
 protected:
  void Push(const std::string& text) {
    history.SetNewClip(text);
    history.PushClip();
  }
  void PushAll(const std::vector<std::string>& texts) {
    for (const auto& t : texts) Push(t);
  }
  Entries EntriesNow() const {
    Entries e;
    for (int i = 1; i <= kEntryCount; ++i) e[i - 1] = history.Entry(i);
    return e;
  }
  // The view shows exactly the entries, as texts and as hints.
  void ExpectShown() const {
    EXPECT_EQ(view.texts, EntriesNow());
    EXPECT_EQ(view.hints, EntriesNow());
  }

  testing::FakeEntryView view;
  History history{view};
};

struct Step {
  std::vector<std::string> pushes;  // empty list: ArchiveClips instead
  Entries entries;
  std::string archive;
  bool shown;
};

TEST_F(HistoryTest, WorkedExampleStepByStep) {
  const std::string T2 = "T2\r\n", T1 = "T1\r\n";
  const std::vector<Step> steps = {
      {{"T1"}, {"T1", "", "", "", "", ""}, "", true},
      {{"T2"}, {"T2", "T1", "", "", "", ""}, "", true},
      {{"T1"}, {"T1", "T2", "", "", "", ""}, "", true},
      {{"T1"}, {"T1", "T2", "", "", "", ""}, "", false},
      {{"T3", "T4", "T5", "T6"}, {"T6", "T5", "T4", "T3", "T1", "T2"}, "", true},
      {{"T7"}, {"T7", "T6", "T5", "T4", "T3", "T1"}, T2, true},
      {{""}, {"", "T7", "T6", "T5", "T4", "T3"}, T2 + T1, true},
      {{}, {"", "T7", "T6", "T5", "T4", "T3"}, T2 + T1 + "T3\r\nT4\r\nT5\r\nT6\r\nT7\r\n", false},
  };
  EXPECT_EQ(EntriesNow(), Entries{});
  for (size_t n = 0; n < steps.size(); ++n) {
    SCOPED_TRACE("step " + std::to_string(n + 1));
    const Step& step = steps[n];
    for (const auto& text : step.pushes) {
      const int writesBefore = view.writes;
      Push(text);
      EXPECT_EQ(view.writes > writesBefore, step.shown) << "push " << text;
    }
    if (step.pushes.empty()) {
      const int writesBefore = view.writes;
      history.ArchiveClips();
      EXPECT_EQ(view.writes, writesBefore);
    }
    EXPECT_EQ(EntriesNow(), step.entries);
    EXPECT_EQ(history.Archive(), step.archive);
    ExpectShown();
  }
}

struct PushCase {
  const char* name;
  std::vector<std::string> before;  // pushed first, oldest first
  std::string pushed;
  Entries entries;
  std::string archive;
};

class PushCases : public HistoryTest, public ::testing::WithParamInterface<PushCase> {};

TEST_P(PushCases, ReordersAndArchives) {
  const PushCase& c = GetParam();
  PushAll(c.before);
  Push(c.pushed);
  EXPECT_EQ(EntriesNow(), c.entries);
  EXPECT_EQ(history.Archive(), c.archive);
  ExpectShown();
}

INSTANTIATE_TEST_SUITE_P(
    History, PushCases,
    ::testing::Values(
        PushCase{"EmptyOntoEmptyTopDoesNothing", {}, "", {}, ""},
        PushCase{"EmptyMovesFirstFreeSlotUp", {"T2", "T1"}, "", {"", "T1", "T2", "", "", ""}, ""},
        PushCase{"RecopyOfEntry4MovesItUp",
                 {"T6", "T5", "T4", "T3", "T2", "T1"}, "T4",
                 {"T4", "T1", "T2", "T3", "T5", "T6"}, ""},
        PushCase{"RecopyOfEntry6LosesNothing",
                 {"T6", "T5", "T4", "T3", "T2", "T1"}, "T6",
                 {"T6", "T1", "T2", "T3", "T4", "T5"}, ""},
        PushCase{"ComparisonIsExactCase",
                 {"T6", "T5", "T4", "T3", "T2", "T1"}, "t6",
                 {"t6", "T1", "T2", "T3", "T4", "T5"}, "T6\r\n"},
        PushCase{"ComparisonIsExactTrailingBlank",
                 {"T6", "T5", "T4", "T3", "T2", "T1"}, "T1 ",
                 {"T1 ", "T1", "T2", "T3", "T4", "T5"}, "T6\r\n"},
        PushCase{"MultiLineTextIsOneArchivePiece",
                 {"a\r\nb", "T5", "T4", "T3", "T2", "T1"}, "T0",
                 {"T0", "T1", "T2", "T3", "T4", "T5"}, "a\r\nb\r\n"}),
    testing::CaseName());

TEST_F(HistoryTest, ArchiveClipsTakesEditedBoxesAndAppendsEveryCall) {
  PushAll({"T3", "T2", "T1"});
  view.texts[2] = "X";  // the user typed over box 3
  history.ArchiveClips();
  EXPECT_EQ(history.Entry(3), "X");
  EXPECT_EQ(history.Archive(), "X\r\nT2\r\nT1\r\n");
  history.ArchiveClips();
  EXPECT_EQ(history.Archive(), "X\r\nT2\r\nT1\r\nX\r\nT2\r\nT1\r\n");
}

TEST_F(HistoryTest, ArchiveClipsOfEmptyBoxesAppendsNothing) {
  history.ArchiveClips();
  EXPECT_EQ(history.Archive(), "");
}

TEST_F(HistoryTest, TypedTextIsOverwrittenByAPushUnlessThePushEqualsEntry1) {
  PushAll({"T2", "T1"});
  view.texts[1] = "typed";
  Push("T1");
  EXPECT_EQ(view.texts[1], "typed");
  Push("T3");
  EXPECT_EQ(view.texts[1], "T1");
  EXPECT_EQ(history.Archive(), "");
}

TEST_F(HistoryTest, PushOfADuplicatedTextMovesOnlyItsFirstPlace) {
  PushAll({"T3", "T2", "T1"});
  view.texts[2] = "T2";  // box 3 edited to equal entry 2
  history.ArchiveClips();
  Push("T2");
  EXPECT_EQ(EntriesNow(), (Entries{"T2", "T1", "T2", "", "", ""}));
}

TEST_F(HistoryTest, ClearOlderEntriesKeepsEntry1AsArchiveClipsTookIt) {
  PushAll({"T6", "T5", "T4", "T3", "T2", "T1"});
  view.texts[0] = "X";
  history.ArchiveClips();
  history.ClearOlderEntries();
  EXPECT_EQ(history.Archive(), "T6\r\nT5\r\nT4\r\nT3\r\nT2\r\nX\r\n");
  EXPECT_EQ(EntriesNow(), (Entries{"X", "", "", "", "", ""}));
  EXPECT_EQ(view.texts, (Entries{"X", "", "", "", "", ""}));
  EXPECT_EQ(view.hints, (Entries{"T1", "", "", "", "", ""}));
  Push("Y");
  EXPECT_EQ(EntriesNow(), (Entries{"Y", "X", "", "", "", ""}));
  EXPECT_EQ(history.Archive(), "T6\r\nT5\r\nT4\r\nT3\r\nT2\r\nX\r\n");
}

}  // namespace
}  // namespace picoron
