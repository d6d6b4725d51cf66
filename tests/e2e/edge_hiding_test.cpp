// Collapsing the real picoron.exe to its edge strip when another program
// takes the activation, bringing it back with a pointer move, and the
// height lock.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

#include "driver.h"

// RECT lives in the global namespace, so its comparison and printing do too.
bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
void PrintTo(const RECT& r, std::ostream* out) {
  *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace e2e {
namespace {

constexpr RECT kStrip{4, 40, 5, 190};

std::string Settings() { return ReadFileBytes(Picoron::SettingsPath()); }

class EdgeTest : public ::testing::Test {
 protected:
  void MoveWindowTo(int left, int top) {
    SetWindowPos(picoron.Main(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  void PressToggle() {
    ClickAt(picoron.Component(14));
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(picoron.Component(14), BM_GETCHECK, 0, 0) == BST_CHECKED; }));
  }
  // Another program takes the activation; picoron collapses to its strip.
  void DeactivateAndWaitForTheStrip() {
    other.Activate();
    ASSERT_TRUE(WaitUntil([&] { return RegionBox(picoron.Main()) == kStrip; }));
  }
  RECT Whole() const {
    const RECT box = WindowBox(picoron.Main());
    return RECT{0, 0, box.right - box.left, box.bottom - box.top};
  }

  bool fresh = (RemoveSettingsFile(), true);
  Picoron picoron;
  ForeignWindow other;
};

TEST_F(EdgeTest, BeyondTheLeftEdgeItCollapsesOntoColumnZeroAndComesBackOnAPointerMove) {
  PressToggle();
  MoveWindowTo(-200, 300);
  DeactivateAndWaitForTheStrip();
  EXPECT_EQ(WindowBox(picoron.Main()).left, -4);
  ASSERT_TRUE(WaitUntil([] { return Settings().find("Left=-4\r\n") != std::string::npos; }));
  EXPECT_EQ(WindowFromPoint(POINT{0, 400}), picoron.Main());

  MovePointerTo(0, 400);
  ASSERT_TRUE(WaitUntil([&] { return RegionBox(picoron.Main()) == Whole(); }));
  EXPECT_NE(GetForegroundWindow(), picoron.Main());  // restored without taking the activation
  EXPECT_EQ(WindowBox(picoron.Main()).left, -4);
}

TEST_F(EdgeTest, OnScreenItCollapsesWhereItStandsAndOnlyItsStripColumnIsLive) {
  MoveWindowTo(100, 300);
  PressToggle();
  DeactivateAndWaitForTheStrip();
  EXPECT_EQ(WindowBox(picoron.Main()).left, 100);
  EXPECT_NE(WindowFromPoint(POINT{103, 400}), picoron.Main());
  EXPECT_NE(WindowFromPoint(POINT{105, 400}), picoron.Main());
  EXPECT_NE(WindowFromPoint(POINT{104, 300 + 39}), picoron.Main());
  EXPECT_EQ(WindowFromPoint(POINT{104, 300 + 40}), picoron.Main());
  EXPECT_EQ(WindowFromPoint(POINT{104, 300 + 189}), picoron.Main());
  EXPECT_NE(WindowFromPoint(POINT{104, 300 + 190}), picoron.Main());

  MovePointerTo(104, 400);
  ASSERT_TRUE(WaitUntil([&] { return RegionBox(picoron.Main()) == Whole(); }));
}

TEST_F(EdgeTest, WithTheToggleUpDeactivationOnlyWritesTheSettings) {
  MoveWindowTo(-200, 300);
  other.Activate();
  ASSERT_TRUE(WaitUntil([] { return Settings().find("Left=-200\r\n") != std::string::npos; }));
  EXPECT_EQ(RegionBox(picoron.Main()), Whole());
  EXPECT_EQ(WindowBox(picoron.Main()).left, -200);
}

TEST_F(EdgeTest, TheHeightReturnsTo209AndANewWidthStays) {
  SetWindowPos(picoron.Main(), nullptr, 0, 0, 350, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(WaitUntil([&] {
    const RECT box = WindowBox(picoron.Main());
    return box.bottom - box.top == 209 && box.right - box.left == 350;
  }));
  EXPECT_EQ(RegionBox(picoron.Main()), (RECT{0, 0, 350, 209}));
}

TEST_F(EdgeTest, ASizeChangeWhileCollapsedShowsTheWholeWindow) {
  PressToggle();
  DeactivateAndWaitForTheStrip();
  SetWindowPos(picoron.Main(), nullptr, 0, 0, 320, 209, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(WaitUntil([&] { return RegionBox(picoron.Main()) == (RECT{0, 0, 320, 209}); }));
}

TEST(EdgeStart, AStoredHeightOtherThan209StartsAt209) {
  RemoveSettingsFile();
  std::ofstream(std::filesystem::path(Picoron::SettingsPath()), std::ios::binary)
      << "[PicoRon]\r\nHeight=300\r\nWidth=320\r\n";
  Picoron picoron;
  const RECT box = WindowBox(picoron.Main());
  EXPECT_EQ(box.bottom - box.top, 209);
  EXPECT_EQ(box.right - box.left, 320);
  picoron.CloseAndWait();
  EXPECT_NE(Settings().find("Height=209\r\n"), std::string::npos);
  RemoveSettingsFile();
}

}  // namespace
}  // namespace e2e

namespace e2e {
namespace {

// The desktop's window metrics: a padded border makes every sizing frame
// wider, as on current Windows.
class WiderFrame {
 public:
  WiderFrame() { Set(L"-60"); }
  ~WiderFrame() { Set(nullptr); }

 private:
  static void Set(const wchar_t* value) {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop\\WindowMetrics", 0, KEY_SET_VALUE, &key)) return;
    if (value) {
      RegSetValueExW(key, L"PaddedBorderWidth", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                     static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
    } else {
      RegDeleteValueW(key, L"PaddedBorderWidth");
    }
    RegCloseKey(key);
  }
};

TEST(EdgeFrame, OnAWiderFrameTheStripIsTheFirstClientColumnAndStillComesBack) {
  RemoveSettingsFile();
  WiderFrame frame;
  Picoron picoron;
  POINT client{0, 0};
  ClientToScreen(picoron.Main(), &client);
  const int frameWidth = client.x - WindowBox(picoron.Main()).left;
  if (frameWidth == 4) GTEST_SKIP() << "this Wine does not widen the frame";

  ClickAt(picoron.Component(14));
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(picoron.Component(14), BM_GETCHECK, 0, 0) == BST_CHECKED; }));
  SetWindowPos(picoron.Main(), nullptr, -200, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ForeignWindow other;
  other.Activate();
  const RECT strip{frameWidth, 40, frameWidth + 1, 190};
  ASSERT_TRUE(WaitUntil([&] { return RegionBox(picoron.Main()) == strip; }));
  EXPECT_EQ(WindowBox(picoron.Main()).left, -frameWidth);
  EXPECT_EQ(WindowFromPoint(POINT{0, 400}), picoron.Main());
  MovePointerTo(0, 400);
  ASSERT_TRUE(WaitUntil([&] { return RegionBox(picoron.Main()).right > 1; }));
  picoron.CloseAndWait();
  RemoveSettingsFile();
}

}  // namespace
}  // namespace e2e
