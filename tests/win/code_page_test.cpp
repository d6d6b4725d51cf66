#include <windows.h>

#include <gtest/gtest.h>

#include <string>

// Every text in picoron is bytes of the ANSI code page; the whole suite is
// only meaningful when that is the Japanese one.
TEST(Platform, AnsiCodePageIsJapanese) { EXPECT_EQ(GetACP(), 932u); }

TEST(Platform, IdeographicSpaceRoundTripsThroughTheCodePage) {
  const std::string ansi = "\x82\xa0\x81\x40";  // hiragana A, ideographic space
  wchar_t wide[4] = {};
  ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide, 4), 2);
  EXPECT_EQ(wide[0], L'\x3042');
  EXPECT_EQ(wide[1], L'\x3000');
}
