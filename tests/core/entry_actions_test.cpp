#include "entry_actions.h"

#include <gtest/gtest.h>

#include <string>

#include "fakes.h"

namespace picoron {
namespace {

// A box with a text and a selection, copying into a clipboard slot.
class FakeCopyBox : public CopySource {
 public:
  FakeCopyBox(std::string boxText, int selStart, int selLength)
      : text(std::move(boxText)), start(selStart), length(selLength) {}
  int SelectionLength() override { return length; }
  void SelectAll() override {
    start = 0;
    length = static_cast<int>(text.size());
  }
  void CopySelection() override { clipboard = text.substr(start, length); ++copies; }

  std::string text;
  int start, length;
  std::string clipboard = "unchanged";
  int copies = 0;
};

struct CopyCase {
  const char* name;
  std::string text;
  int start, length;
  std::string copied;
  int lengthAfter;
};

class CopyCases : public ::testing::TestWithParam<CopyCase> {};

TEST_P(CopyCases, CopiesSelectionOrWholeText) {
  const CopyCase& c = GetParam();
  FakeCopyBox box(c.text, c.start, c.length);
  CopyRule(box);
  EXPECT_EQ(box.clipboard, c.copied);
  EXPECT_EQ(box.length, c.lengthAfter);  // the selection stays as the rule left it
}

INSTANTIATE_TEST_SUITE_P(Entry, CopyCases,
                         ::testing::Values(CopyCase{"NothingSelectedCopiesAll", "T3 text", 2, 0, "T3 text", 7},
                                           CopyCase{"SelectionCopiesOnlyIt", "T4 part", 3, 4, "part", 4},
                                           CopyCase{"EmptyBoxCopiesEmpty", "", 0, 0, "", 0}),
                         testing::CaseName());

TEST(EnterRule, EnterCopiesAndIsSwallowedOtherKeysPass) {
  FakeCopyBox box("T5", 0, 0);
  char key = 'a';
  EnterRule(key, box);
  EXPECT_EQ(key, 'a');
  EXPECT_EQ(box.copies, 0);

  key = kEnterKey;
  EnterRule(key, box);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(box.clipboard, "T5");
}

TEST(ToolTipText, ShowsThePartBeforeTheFirstBar) {
  EXPECT_EQ(ToolTipText("a|b|c"), "a");
  EXPECT_EQ(ToolTipText("line 1\r\nline 2"), "line 1\r\nline 2");
  EXPECT_EQ(ToolTipText("|b"), "");
}

TEST(ToolTipPreview, ShortTextsShowWhole) {
  EXPECT_EQ(ToolTipPreview("line 1\r\nline 2"), "line 1\r\nline 2");
  const std::string exactlyAtTheBound(kToolTipMaxBytes, 'x');
  EXPECT_EQ(ToolTipPreview(exactlyAtTheBound), exactlyAtTheBound);
}

TEST(ToolTipPreview, LongTextsShowTheirBeginningAndAnEllipsis) {
  const std::string longLine(3 * kToolTipMaxBytes, 'x');
  EXPECT_EQ(ToolTipPreview(longLine), std::string(kToolTipMaxBytes, 'x') + "\x81\x63");

  std::string manyLines;
  for (int i = 0; i < 100; ++i) manyLines += "line\r\n";
  std::string thirty;
  for (int i = 0; i < kToolTipMaxLines; ++i) thirty += "line\r\n";
  thirty.erase(thirty.size() - 2);
  EXPECT_EQ(ToolTipPreview(manyLines), thirty + "\x81\x63");
}

TEST(ToolTipPreview, NeverCutsADoubleByteCharacter) {
  std::string text = "x" + std::string(3000, '\0');
  for (size_t i = 1; i < text.size(); i += 2) text.replace(i, 2, "\x82\xa0");  // あ
  const std::string preview = ToolTipPreview(text);
  EXPECT_EQ(preview.size(), 1 + 998 + 2u);  // 499 whole characters after the x, then "…"
}

}  // namespace
}  // namespace picoron
