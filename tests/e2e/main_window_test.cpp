// The real picoron.exe under Wine, driven from another process: its window,
// captures through the real clipboard, the entry actions and the chain.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixture.h"

namespace e2e {
namespace {

using Texts = std::vector<std::string>;

TEST_F(PicoronTest, MainWindowHasItsCaptionStyleAndComponentsInOrder) {
  EXPECT_EQ(WindowTextW(picoron.Main()), L"ピコロン～Ver1.0");
  EXPECT_TRUE(GetWindowLongW(picoron.Main(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  const HWND owner = GetWindow(picoron.Main(), GW_OWNER);
  ASSERT_NE(owner, nullptr);
  EXPECT_TRUE(GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

  const std::vector<std::wstring> captions = {L"・", L"・", L"・", L"・", L"・", L"・", L"・", L"・",
                                              L"・", L"・", L"・", L"・", L"ほ", L"し", L"か"};
  std::vector<int> ids;
  for (HWND child = GetWindow(picoron.Main(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    ids.push_back(GetDlgCtrlID(child));
  }
  std::vector<int> expected;
  for (int place = 0; place < 21; ++place) expected.push_back(100 + place);
  EXPECT_EQ(ids, expected);  // created in table order
  for (int place = 0; place < 15; ++place) {
    wchar_t name[64] = {};
    GetClassNameW(picoron.Component(place), name, 64);
    EXPECT_STREQ(name, L"PicoronSpeedButton") << place;
    EXPECT_EQ(WindowTextW(picoron.Component(place)), captions[place]) << place;
  }
  for (int box = 1; box <= 6; ++box) {
    wchar_t name[64] = {};
    GetClassNameW(picoron.Box(box), name, 64);
    EXPECT_EQ(_wcsicmp(name, L"Edit"), 0) << box;
    EXPECT_EQ(picoron.BoxText(box), "");
  }
}

TEST_F(PicoronTest, WideningTheWindowWidensTheBoxesAndKeepsRightButtonsAtTheEdge) {
  const auto clientRect = [&](HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, picoron.Main(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  RECT window{};
  GetWindowRect(picoron.Main(), &window);
  for (int extra : {0, 100}) {
    SetWindowPos(picoron.Main(), nullptr, 0, 0, window.right - window.left + extra, window.bottom - window.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client{};
    GetClientRect(picoron.Main(), &client);
    for (int row = 1; row <= 6; ++row) {
      EXPECT_EQ(client.right - clientRect(picoron.CopyButton(row, true)).right, 17) << row;
      EXPECT_EQ(clientRect(picoron.Box(row)).left, 39);
      EXPECT_EQ(client.right - clientRect(picoron.Box(row)).right, 41) << row;
    }
  }
}

TEST_F(PicoronTest, WorkedExampleThroughTheRealClipboard) {
  struct Step {
    Texts copies;
    Texts boxes;
  };
  const std::vector<Step> steps = {
      {{"T1"}, {"T1", "", "", "", "", ""}},
      {{"T2"}, {"T2", "T1", "", "", "", ""}},
      {{"T1"}, {"T1", "T2", "", "", "", ""}},
      {{"T1"}, {"T1", "T2", "", "", "", ""}},
      {{"T3", "T4", "T5", "T6"}, {"T6", "T5", "T4", "T3", "T1", "T2"}},
      {{"T7"}, {"T7", "T6", "T5", "T4", "T3", "T1"}},
      {{""}, {"", "T7", "T6", "T5", "T4", "T3"}},
  };
  for (size_t n = 0; n < steps.size(); ++n) {
    SCOPED_TRACE("step " + std::to_string(n + 1));
    CopyAll(steps[n].copies);
    EXPECT_EQ(picoron.BoxTexts(), steps[n].boxes);
  }
}

TEST_F(PicoronTest, CapturedTextsAreTrimmedAtTheEndOnly) {
  struct Case {
    std::string copied;
    std::string shown;
  };
  const std::vector<Case> cases = {
      {"  lead\r\ninner \t\r\n \r\n", "  lead\r\ninner"},
      {"\x82\xa0\x82\xa2\x81\x40", "\x82\xa0\x82\xa2\x81\x40"},  // trailing ideographic space stays
      {"\x82\xa0\x81\x40 \t\r\n", "\x82\xa0\x81\x40"},
      {" \r\n\t ", ""},
  };
  for (const auto& c : cases) {
    Copy(c.copied);
    EXPECT_EQ(picoron.BoxText(1), c.shown);
  }
}

TEST_F(PicoronTest, LargeTextIsCapturedWhole) {
  std::string large(200000, 'x');
  for (size_t i = 0; i < large.size(); i += 1000) large[i] = static_cast<char>('a' + (i / 1000) % 26);
  Copy(large);
  EXPECT_TRUE(picoron.BoxText(1) == large);  // (not EXPECT_EQ: a failure would print 200 KB)
}

// Longer than an entry box's EDIT control is given to show.
std::string LongText() {
  std::string text(300000, 'x');
  for (size_t i = 0; i < text.size(); i += 1000) text[i] = static_cast<char>('a' + (i / 1000) % 26);
  return text;
}

TEST_F(PicoronTest, ALongEntryIsCopiedWholeFromItsBox) {
  const std::string text = LongText();
  CopyAll({text, "T1"});
  ExpectNoticeAfter([&] { ClickAt(picoron.CopyButton(2)); });
  EXPECT_TRUE(ClipboardText() == text);  // (not EXPECT_EQ: a failure would print 300 KB)
  EXPECT_TRUE(picoron.BoxText(1) == text);
}

TEST_F(PicoronTest, TypingIntoALongEntryChangesTheWholeText) {
  const std::string text = LongText();
  Copy(text);
  ClickAt(picoron.Box(1));
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == picoron.Main(); }));
  PressKey('Q');
  ASSERT_TRUE(WaitUntil([&] { return picoron.BoxText(1).size() == text.size() + 1; }));
  // The letter went in where the click put the caret, and nothing was lost.
  std::string typed = picoron.BoxText(1);
  const size_t at = typed.find('q');
  ASSERT_NE(at, std::string::npos);
  typed.erase(at, 1);
  EXPECT_TRUE(typed == text);
}

TEST_F(PicoronTest, ALongEntrysToolTipShowsItsBeginning) {
  const std::string text = LongText();
  Copy(text);
  MovePointerTo(0, 0);  // so that reaching the box is a move the tool tip sees
  ClickAt(picoron.Box(1));
  std::wstring tip;
  ASSERT_TRUE(WaitUntil([&] {
    tip = VisibleToolTipText(picoron.ProcessId());
    return !tip.empty();
  }));
  EXPECT_EQ(tip.substr(0, 10), L"axxxxxxxxx");
  EXPECT_EQ(tip.back(), L'…');
  EXPECT_LT(tip.size(), 3000u);
}

class EntryActionsTest : public PicoronTest {
 protected:
  void SetUp() override { CopyAll({"T6", "T5", "T4", "T3", "T2", "T1"}); }
};

TEST_F(EntryActionsTest, CopyButtonsMoveTheirEntryToTheTop) {
  ExpectNoticeAfter([&] { ClickAt(picoron.CopyButton(3, true)); });
  EXPECT_EQ(ClipboardText(), "T3");
  EXPECT_EQ(picoron.BoxTexts(), (Texts{"T3", "T1", "T2", "T4", "T5", "T6"}));
  ExpectNoticeAfter([&] { ClickAt(picoron.CopyButton(6)); });
  EXPECT_EQ(picoron.BoxTexts(), (Texts{"T6", "T3", "T1", "T2", "T4", "T5"}));
}

TEST_F(EntryActionsTest, EnterCopiesItsBoxWithoutALineBreak) {
  ClickAt(picoron.Box(5));
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == picoron.Main(); }));
  ExpectNoticeAfter([] { PressKey(VK_RETURN); });
  EXPECT_EQ(picoron.BoxTexts(), (Texts{"T5", "T1", "T2", "T3", "T4", "T6"}));
  EXPECT_EQ(ClipboardText(), "T5");
  // Entry 1 copied again changes no box, so a line break that Enter let
  // through would stay in sight.
  ClickAt(picoron.Box(1));
  ExpectNoticeAfter([] { PressKey(VK_RETURN); });
  EXPECT_EQ(picoron.BoxText(1), "T5");
}

TEST_F(EntryActionsTest, AToolTipShowsTheHintUpToItsFirstBar) {
  Copy("shown|hidden");
  MovePointerTo(0, 0);      // so that reaching the box is a move the tool tip sees
  ClickAt(picoron.Box(1));  // active, with the pointer resting on box 1
  std::wstring tip;
  ASSERT_TRUE(WaitUntil([&] {
    tip = VisibleToolTipText(picoron.ProcessId());
    return !tip.empty();
  }));
  EXPECT_EQ(tip, L"shown");
}

TEST_F(EntryActionsTest, ASelectionCopiesOnlyTheSelection) {
  SendMessageA(picoron.Box(4), EM_SETSEL, 0, 1);  // "T" of T4
  ExpectNoticeAfter([&] { ClickAt(picoron.CopyButton(4)); });
  EXPECT_EQ(ClipboardText(), "T");
  EXPECT_EQ(picoron.BoxTexts(), (Texts{"T", "T1", "T2", "T3", "T4", "T5"}));
}

TEST_F(EntryActionsTest, EveryBoxComesToShowWhatItHolds) {
  // Asked of each EDIT control itself: EM_LINELENGTH, unlike WM_GETTEXT, is
  // not answered from the text the box keeps for itself.
  CopyAll({"a", "bb", "ccc", "dddd", "eeeee", "ffffff"});
  for (int box = 1; box <= 6; ++box) {
    const auto held = static_cast<LRESULT>(picoron.BoxText(box).size());
    EXPECT_TRUE(WaitUntil([&] { return SendMessageA(picoron.Box(box), EM_LINELENGTH, 0, 0) == held; }))
        << "box " << box << " holds " << held << " bytes";
  }
}

TEST_F(EntryActionsTest, TypedTextIsTheBoxsTextUntilACaptureWritesOverIt) {
  ClickAt(picoron.Box(3));
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == picoron.Main(); }));
  PressKey(VK_END);
  PressKey('Q');
  ASSERT_TRUE(WaitUntil([&] { return picoron.BoxText(3) == "T3q"; }));
  DoubleClickAt(picoron.Box(3));
  EXPECT_TRUE(WaitUntil([&] { return WindowTextA(GetDlgItem(picoron.Editor(), 102)) == "T3q"; }));
  Copy("new");
  EXPECT_EQ(picoron.BoxTexts(), (Texts{"new", "T1", "T2", "T3", "T4", "T5"}));
  EXPECT_TRUE(WaitUntil([&] { return SendMessageA(picoron.Box(3), EM_LINELENGTH, 0, 0) == 2; }));
}

TEST_F(EntryActionsTest, ClearLeavesBox1AndEmptiesTheOthers) {
  ClickAt(picoron.Component(13));
  ASSERT_TRUE(WaitUntil([&] { return picoron.BoxText(6).empty(); }));
  EXPECT_EQ(picoron.BoxTexts(), (Texts{"T1", "", "", "", "", ""}));
  Copy("Y");
  EXPECT_EQ(picoron.BoxTexts(), (Texts{"Y", "T1", "", "", "", ""}));
}

TEST_F(PicoronTest, ChainChangesRelinkOrPassOn) {
  ChainWindow other(false);
  // A change for a window further down goes on to the next viewer unchanged.
  SendMessageW(picoron.Main(), WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(other.Handle()), 0x1234);
  ASSERT_EQ(tail.chainChanges.size(), 1u);
  EXPECT_EQ(tail.chainChanges[0], std::make_pair(reinterpret_cast<WPARAM>(other.Handle()), LPARAM{0x1234}));

  // The next viewer leaves: picoron links its follower in and tells no one.
  SendMessageW(picoron.Main(), WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(tail.Handle()),
               reinterpret_cast<LPARAM>(other.Handle()));
  EXPECT_EQ(tail.chainChanges.size(), 1u);
  const int tailDraws = tail.draws;
  SetClipboardText("relinked");
  ASSERT_TRUE(WaitUntil([&] { return other.draws == 1; }));
  EXPECT_EQ(tail.draws, tailDraws);
  EXPECT_EQ(picoron.BoxText(1), "relinked");

  SendMessageW(picoron.Main(), WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(other.Handle()),
               reinterpret_cast<LPARAM>(tail.Handle()));
  Copy("back");
}

TEST_F(PicoronTest, AfterClosingPicoronIsOutOfTheChainAndNoticesStillFlow) {
  Copy("before");
  ASSERT_TRUE(picoron.CloseAndWait());
  Copy("after");  // reaches the tail straight from the system now
}

}  // namespace
}  // namespace e2e
