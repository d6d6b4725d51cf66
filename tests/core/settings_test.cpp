#include "settings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fakes.h"
#include "ini_store.h"

namespace picoron {
namespace {

constexpr int32_t kFallback = 12345;

struct IntegerCase {
  const char* name;
  std::string text;
  int32_t result;
};

class ReadIntegerCases : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ReadIntegerCases, ReadsTheValueOrTheDefault) {
  const IniStore store = IniStore::Load("[S]\r\nK=" + GetParam().text + "\r\n");
  EXPECT_EQ(store.ReadInteger("S", "K", kFallback), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Ini, ReadIntegerCases,
    ::testing::Values(IntegerCase{"LowerHexPrefix", "0x1F", 31}, IntegerCase{"UpperHexPrefix", "0X1f", 31},
                      IntegerCase{"Dollar", "$1F", 31}, IntegerCase{"LetterX", "x1F", 31},
                      IntegerCase{"LeadingZeros", "007", 7}, IntegerCase{"Plus", "+7", 7},
                      IntegerCase{"Minimum", "-2147483648", -2147483647 - 1},
                      IntegerCase{"Maximum", "2147483647", 2147483647},
                      IntegerCase{"AllBitsHex", "$FFFFFFFF", -1},
                      IntegerCase{"TooLarge", "2147483648", kFallback},
                      IntegerCase{"TooSmall", "-2147483649", kFallback},
                      IntegerCase{"NineHexDigits", "$100000000", kFallback},
                      IntegerCase{"HexLeadingZerosFit", "$000000001", 1},
                      IntegerCase{"SignedHex", "-0x10", kFallback}, IntegerCase{"TrailingLetters", "12abc", kFallback},
                      IntegerCase{"Fraction", "1.5", kFallback}, IntegerCase{"BarePrefix", "0x", kFallback},
                      IntegerCase{"BareDollar", "$", kFallback}, IntegerCase{"SignAlone", "-", kFallback},
                      IntegerCase{"Empty", "", kFallback}, IntegerCase{"InnerBlank", "1 2", kFallback}),
    testing::CaseName());

TEST(IniStore, MissingSectionOrKeyGivesTheDefault) {
  const IniStore store = IniStore::Load("[S]\r\nK=1\r\nnot a key\r\n");
  EXPECT_EQ(store.ReadInteger("T", "K", 9), 9);
  EXPECT_EQ(store.ReadInteger("S", "L", 9), 9);
  EXPECT_EQ(store.ReadInteger("S", "not a key", 9), 9);
}

TEST(IniStore, BooleansAreIntegersNotZero) {
  const IniStore store = IniStore::Load("[S]\nTwo=2\nMinus=-1\nZero=0\nWord=yes\n");
  EXPECT_TRUE(store.ReadBool("S", "Two", false));
  EXPECT_TRUE(store.ReadBool("S", "Minus", false));
  EXPECT_FALSE(store.ReadBool("S", "Zero", true));
  EXPECT_FALSE(store.ReadBool("S", "Word", false));
  EXPECT_TRUE(store.ReadBool("S", "Word", true));
}

TEST(IniStore, LookupIgnoresCaseAndBlanksAndTakesTheLastMatch) {
  const IniStore store = IniStore::Load(
      "[picoron]\r\n  top  =  5  \r\n[PICORON]\rTop=6\rtop=7\n[Other]\nTop=8\n");
  EXPECT_EQ(store.ReadInteger("PicoRon", "Top", 0), 7);
}

TEST(IniStore, WritingBringsTheFileIntoItsNormalForm) {
  const std::string file =
      "before any section\r\n"
      "; a comment\r\n"
      "\r\n"
      "  [ picoron ]  \r\n"
      "  top =  5 \r\n"
      "Extra = kept\r\n"
      "plain line\r\n"
      "Top=6\r\n"
      "[Unknown]\r\n"
      "A=1\r\n";
  IniStore store = IniStore::Load(file);
  store.WriteInteger("PicoRon", "Top", -4);
  store.WriteInteger("PicoRon", "Width", 297);
  store.WriteBool("Editer", "Down", true);
  EXPECT_EQ(store.Write(),
            "[picoron]\r\n"
            "top=5\r\n"
            "Extra=kept\r\n"
            "plain line\r\n"
            "Top=-4\r\n"  // the last of the two is replaced, the first left
            "Width=297\r\n"
            "\r\n"
            "[Unknown]\r\n"
            "A=1\r\n"
            "\r\n"
            "[Editer]\r\n"
            "Down=1\r\n"
            "\r\n");
}

TEST(IniStore, TextAfterANulIsLost) {
  const std::string file("[S]\r\nA=1\r\n\0B=2\r\n", 17);
  EXPECT_EQ(IniStore::Load(file).Write(), "[S]\r\nA=1\r\n\r\n");
}

TEST(IniStore, KeysMatchIgnoringCaseButDoubleByteCharactersStayWhole) {
  // 0x82 0x61 and 0x82 0x41 are two different characters whose second bytes
  // look like 'a' and 'A'.
  const IniStore store = IniStore::Load("[S]\r\n\x82\x61=1\r\n");
  EXPECT_EQ(store.ReadInteger("S", "\x82\x61", 0), 1);
  EXPECT_EQ(store.ReadInteger("S", "\x82\x41", 0), 0);
  EXPECT_EQ(store.ReadInteger("s", "\x82\x61", 0), 1);
}

TEST(IniStore, WriteOfLoadIsStable) {
  const std::string messy = " x\r[a]\n;c\n k = v \n[b]\r\nz\r\n[a]\nk=w\n";
  const std::string once = IniStore::Load(messy).Write();
  EXPECT_EQ(IniStore::Load(once).Write(), once);
}

class SettingsPathCases : public ::testing::TestWithParam<testing::TextCase> {};

TEST_P(SettingsPathCases, IsBesideTheExecutable) { EXPECT_EQ(SettingsPath(GetParam().in), GetParam().out); }

INSTANTIATE_TEST_SUITE_P(
    Settings, SettingsPathCases,
    ::testing::Values(testing::TextCase{"Folder", "C:\\Tools\\picoron.exe", "C:\\Tools\\picoron.ini"},
                      testing::TextCase{"Root", "C:\\picoron.exe", "C:\\picoron.ini"},
                      testing::TextCase{"DriveColon", "C:picoron.exe", "C:picoron.ini"},
                      testing::TextCase{"NoFolder", "picoron.exe", "picoron.ini"},
                      // 0x95 0x5C is one character whose second byte is a backslash.
                      testing::TextCase{"DoubleByteWithBackslashByte", "C:\\\x95\x5C\\picoron.exe",
                                        "C:\\\x95\x5C\\picoron.ini"},
                      testing::TextCase{"DoubleByteAtTheEnd", "C:\\\x95\x5Cpicoron.exe", "C:\\picoron.ini"}),
    testing::CaseName());

// A window as plain numbers, recording the order of what was set.
class FakeWindow : public StoredWindow {
 public:
  FakeWindow(int32_t top, int32_t left, int32_t height, int32_t width, std::vector<std::string>* log = nullptr)
      : top_(top), left_(left), height_(height), width_(width), log_(log) {}
  int32_t Top() const override { return top_; }
  int32_t Left() const override { return left_; }
  int32_t Height() const override { return height_; }
  int32_t Width() const override { return width_; }
  void SetTop(int32_t v) override { Set("Top", top_, v); }
  void SetLeft(int32_t v) override { Set("Left", left_, v); }
  void SetHeight(int32_t v) override { Set("Height", height_, v); }
  void SetWidth(int32_t v) override { Set("Width", width_, v); }

 private:
  void Set(const char* name, int32_t& field, int32_t value) {
    field = value;
    if (log_) log_->push_back(name + std::string("=") + std::to_string(value));
  }
  int32_t top_, left_, height_, width_;
  std::vector<std::string>* log_;
};

class FakeToggle : public StoredToggle {
 public:
  bool Down() const override { return down; }
  void SetDown(bool value) override { down = value; }
  bool down = false;
};

class FakeFile : public SettingsFile {
 public:
  std::optional<std::string> Load() override { return bytes; }
  void Save(const std::string& written) override { bytes = written; }
  std::optional<std::string> bytes;
};

TEST(SettingsSteps, FirstCloseWritesTheDesignedFileByteForByte) {
  FakeFile file;
  FakeWindow main(114, 192, 209, 297), editor(113, 491, 298, 336);
  FakeToggle hide;
  WriteAllSettings(file, main, hide, editor);
  EXPECT_EQ(file.bytes,
            "[PicoRon]\r\nTop=114\r\nLeft=192\r\nHeight=209\r\nWidth=297\r\nDown=0\r\n\r\n"
            "[Editer]\r\nTop=113\r\nLeft=491\r\nHeight=298\r\nWidth=336\r\n\r\n");
}

TEST(SettingsSteps, DeactivationWritesOnlyTheMainSectionAndKeepsTheRest) {
  FakeFile file;
  file.bytes = "[Editer]\r\nTop=1\r\n[mine]\r\nx=y\r\n";
  FakeWindow main(-10, -4, 209, 300);
  FakeToggle hide;
  hide.down = true;
  WriteMainSettings(file, main, hide);
  EXPECT_EQ(file.bytes,
            "[Editer]\r\nTop=1\r\n\r\n[mine]\r\nx=y\r\n\r\n"
            "[PicoRon]\r\nTop=-10\r\nLeft=-4\r\nHeight=209\r\nWidth=300\r\nDown=1\r\n\r\n");
}

TEST(SettingsSteps, ReadingAppliesEachValueInOrderWithCurrentValuesAsDefaults) {
  FakeFile file;
  file.bytes = "[picoron]\r\nleft=-4\r\nHeight=300\r\nWidth=oops\r\nDown=2\r\n";
  std::vector<std::string> applied;
  FakeWindow main(114, 192, 209, 297, &applied);
  FakeToggle hide;
  ReadMainSettings(file, main, hide);
  EXPECT_EQ(applied, (std::vector<std::string>{"Top=114", "Left=-4", "Height=300", "Width=297"}));
  EXPECT_TRUE(hide.down);
}

TEST(SettingsSteps, NoFileLeavesEverythingAsDesigned) {
  FakeFile file;
  FakeWindow main(114, 192, 209, 297), editor(113, 491, 298, 336);
  FakeToggle hide;
  ReadMainSettings(file, main, hide);
  ReadEditorSettings(file, editor);
  EXPECT_EQ(main.Left(), 192);
  EXPECT_EQ(editor.Width(), 336);
  EXPECT_FALSE(hide.down);
  EXPECT_FALSE(file.bytes.has_value());  // reading never writes
}

TEST(SettingsSteps, EditorReadsItsOwnSection) {
  FakeFile file;
  file.bytes = "[PicoRon]\r\nTop=1\r\n[Editer]\r\nTop=50\r\nWidth=400\r\n";
  FakeWindow editor(113, 491, 298, 336);
  ReadEditorSettings(file, editor);
  EXPECT_EQ(editor.Top(), 50);
  EXPECT_EQ(editor.Left(), 491);
  EXPECT_EQ(editor.Width(), 400);
}

}  // namespace
}  // namespace picoron
