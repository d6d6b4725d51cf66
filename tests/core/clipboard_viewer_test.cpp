#include "clipboard_viewer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes.h"

namespace picoron {
namespace {

using testing::EventLog;
using testing::SentMessage;

using testing::TextCase;

class TrimCases : public ::testing::TestWithParam<TextCase> {};

TEST_P(TrimCases, DropsTrailingBytesUpTo0x20Only) {
  EXPECT_EQ(WithoutTrailingBlanks(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Capture, TrimCases,
    ::testing::Values(
        TextCase{"Unchanged", "abc", "abc"},
        TextCase{"SpaceTabCrLf", "abc \t\r\n", "abc"},
        TextCase{"NulAndControlBytes", std::string("abc\x01\x1f\0\x20", 7), "abc"},
        TextCase{"LeadingAndInnerBlanksKept", " \ta b\r\nc\r\n", " \ta b\r\nc"},
        TextCase{"IdeographicSpaceKept", "\x82\xa0\x81\x40", "\x82\xa0\x81\x40"},
        TextCase{"BlankAfterIdeographicSpace", "\x82\xa0\x81\x40 \r\n", "\x82\xa0\x81\x40"},
        TextCase{"ByteAbove0x7fKept", "a\x7f\x80", "a\x7f\x80"},
        TextCase{"AllBlankBecomesEmpty", " \r\n\t ", ""},
        TextCase{"Empty", "", ""}),
    testing::CaseName());

constexpr WindowHandle kSelf = 0x100;
constexpr WindowHandle kNext = 0x200;
constexpr WindowHandle kOther = 0x300;

class ClipboardViewerTest : public ::testing::Test {
 protected:
  void Join(WindowHandle formerHead) {
    services.formerHead = formerHead;
    viewer.JoinClipboardChain(kSelf);
  }
  void Notice(bool hasText, const std::string& text = "") {
    services.hasText = hasText;
    clipboard = text;
    ++services.sequence;
    viewer.WMDrawClipboard();
  }

  EventLog log;
  std::string clipboard;
  testing::FakeEntryView view{&log};
  testing::FakePasteBox box1{view, clipboard};
  testing::FakeChainServices services{&log};
  History history{view};
  ClipboardViewer viewer{services, box1, history};
};

TEST_F(ClipboardViewerTest, JoinKeepsTheFormerHeadAsNextViewer) {
  Join(kNext);
  EXPECT_EQ(services.joined, kSelf);
  EXPECT_EQ(viewer.NextViewer(), kNext);
}

TEST_F(ClipboardViewerTest, TextIsTrimmedPushedAndThenPassedOn) {
  Join(kNext);
  Notice(true, "  hello\r\nworld \r\n");
  EXPECT_EQ(history.Entry(1), "  hello\r\nworld");
  EXPECT_EQ(view.texts[0], "  hello\r\nworld");
  EXPECT_EQ(view.hints[0], "  hello\r\nworld");
  ASSERT_EQ(services.sent, (std::vector<SentMessage>{{kNext, kDrawClipboardMessage, 0, 0}}));
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "send");  // after every box write of ShowClips
}

TEST_F(ClipboardViewerTest, NoTextLeavesBoxAndHistoryAndStillPassesOn) {
  Join(kNext);
  Notice(true, "T1");
  view.texts[0] = "typed";
  Notice(false);
  EXPECT_EQ(view.texts[0], "typed");
  EXPECT_EQ(history.Entry(1), "T1");
  EXPECT_EQ(services.sent.size(), 2u);
  EXPECT_EQ(services.sent.back(), (SentMessage{kNext, kDrawClipboardMessage, 0, 0}));
}

TEST_F(ClipboardViewerTest, AllBlankTextIsPushedAsTheEmptyText) {
  Join(0);
  Notice(true, "T1");
  Notice(true, " \r\n\t");
  EXPECT_EQ(history.Entry(1), "");
  EXPECT_EQ(history.Entry(2), "T1");
  EXPECT_EQ(view.texts[0], "");
}

TEST_F(ClipboardViewerTest, AnnouncedTextThatPastesNothingPushesTheEmptyText) {
  Join(0);
  Notice(true, "T1");
  Notice(true, "");
  EXPECT_EQ(history.Entry(1), "");
  EXPECT_EQ(history.Entry(2), "T1");
}

TEST_F(ClipboardViewerTest, BusyClipboardPushesNothingAndIsTriedAgainAfterThePassOn) {
  Join(kNext);
  Notice(true, "T1");
  view.texts[0] = "typed";
  box1.busy = true;
  Notice(true, "T2");
  EXPECT_EQ(view.texts[0], "typed");
  EXPECT_EQ(history.Entry(1), "T1");
  EXPECT_EQ(history.Entry(2), "");
  EXPECT_EQ(services.sent.size(), 2u);
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[log.size() - 2], "send");
  EXPECT_EQ(log.back(), "post retry");

  box1.busy = false;  // the other program let go
  viewer.RetryCapture();
  EXPECT_EQ(history.Entry(1), "T2");
  EXPECT_EQ(services.retriesPosted, 1);
  viewer.RetryCapture();  // a stale retry changes nothing
  EXPECT_EQ(history.Entry(2), "T1");
}

TEST_F(ClipboardViewerTest, RetriesStopAfterABoundedNumber) {
  Join(0);
  box1.busy = true;
  Notice(true, "T1");
  for (int i = 0; i < 100 && services.retriesPosted > 0; ++i) {
    const int posted = services.retriesPosted;
    viewer.RetryCapture();
    if (services.retriesPosted == posted) break;
  }
  EXPECT_EQ(services.retriesPosted, ClipboardViewer::kCaptureRetries);
  EXPECT_EQ(history.Entry(1), "");
}

TEST_F(ClipboardViewerTest, ExcludedTextIsNotRecordedButPassedOn) {
  Join(kNext);
  Notice(true, "T1");
  services.excluded = true;
  Notice(true, "secret");
  EXPECT_EQ(view.texts[0], "T1");
  EXPECT_EQ(history.Entry(1), "T1");
  EXPECT_EQ(services.sent.size(), 2u);
  EXPECT_EQ(services.retriesPosted, 0);
}

TEST_F(ClipboardViewerTest, AChainThatLoopsBackIsNotFollowedRound) {
  Join(kNext);
  int reentries = 0;
  services.onSend = [&] {
    if (++reentries < 50) viewer.WMDrawClipboard();  // the next viewer's next is us again
  };
  Notice(true, "T1");
  EXPECT_EQ(reentries, 1);
  EXPECT_EQ(services.sent.size(), 1u);
  EXPECT_EQ(history.Entry(1), "T1");
}

TEST_F(ClipboardViewerTest, ANewerChangeArrivingDuringThePassOnIsCapturedAndPassedOn) {
  Join(kNext);
  bool once = true;
  services.onSend = [&] {
    if (!once) return;
    once = false;
    Notice(true, "T2");  // the clipboard changed again while we waited
  };
  Notice(true, "T1");
  EXPECT_EQ(history.Entry(1), "T2");
  EXPECT_EQ(history.Entry(2), "T1");
  EXPECT_EQ(services.sent.size(), 2u);
}

TEST_F(ClipboardViewerTest, TextEqualToEntry1OnceTrimmedReplacesTypedBox1Only) {
  Join(kNext);
  Notice(true, "T2");
  Notice(true, "T1");
  view.texts[0] = "typed over box 1";
  const int writesBefore = view.writes;
  Notice(true, "T1 \r\n");
  EXPECT_EQ(view.texts[0], "T1");
  EXPECT_EQ(view.writes, writesBefore);  // ShowClips did not run
  EXPECT_EQ(history.Entry(2), "T2");
  EXPECT_EQ(services.sent.size(), 3u);
}

TEST_F(ClipboardViewerTest, WithoutNextViewerNothingIsSent) {
  Join(0);
  Notice(true, "T1");
  Notice(false);
  EXPECT_EQ(history.Entry(1), "T1");
  EXPECT_TRUE(services.sent.empty());
}

struct ChainChangeCase {
  const char* name;
  WindowHandle next;  // the viewer's next viewer before the notice
  WindowHandle removed;
  WindowHandle following;
  WindowHandle nextAfter;
  std::vector<SentMessage> sent;
};

class ChainChangeCases : public ClipboardViewerTest,
                         public ::testing::WithParamInterface<ChainChangeCase> {};

TEST_P(ChainChangeCases, RelinksOrPassesOn) {
  const ChainChangeCase& c = GetParam();
  Join(c.next);
  viewer.WMChangeCBChain(c.removed, c.following);
  EXPECT_EQ(viewer.NextViewer(), c.nextAfter);
  EXPECT_EQ(services.sent, c.sent);
}

INSTANTIATE_TEST_SUITE_P(
    Chain, ChainChangeCases,
    ::testing::Values(
        ChainChangeCase{"NextViewerRemovedLinksItsFollower", kNext, kNext, kOther, kOther, {}},
        ChainChangeCase{"LastViewerRemoved", kNext, kNext, 0, 0, {}},
        ChainChangeCase{"OtherWindowPassedOnUnchanged", kNext, kOther, 0x400, kNext,
                        {{kNext, kChangeCbChainMessage, kOther, 0x400}}},
        ChainChangeCase{"OtherWindowDroppedWithoutNextViewer", 0, kOther, 0x400, 0, {}}),
    testing::CaseName());

TEST_F(ClipboardViewerTest, AfterTheLastViewerLeftNoticesAreCapturedButNotPassedOn) {
  Join(kNext);
  viewer.WMChangeCBChain(kNext, 0);
  Notice(true, "T1");
  EXPECT_EQ(history.Entry(1), "T1");
  EXPECT_TRUE(services.sent.empty());
}

TEST_F(ClipboardViewerTest, LeavingLinksTheNextViewerInAndKeepsIt) {
  Join(kNext);
  viewer.WMChangeCBChain(kNext, kOther);
  viewer.LeaveClipboardChain();
  ASSERT_EQ(services.left.size(), 1u);
  EXPECT_EQ(services.left[0], std::make_pair(kSelf, kOther));
  EXPECT_EQ(viewer.NextViewer(), kOther);
}

}  // namespace
}  // namespace picoron
