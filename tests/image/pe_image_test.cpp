#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Target {
  const char* name;
  const char* buildDir;
  const char* triplet;
  const char* format;  // as objdump names it
  const char* magic;   // optional header magic
  bool highEntropy;    // 64-bit ASLR
};

constexpr std::array kTargets = {
    Target{"x86_64", PICORON_WIN64_BUILD, "x86_64-w64-mingw32", "pei-x86-64", "(PE32+)", true},
    Target{"i686", PICORON_WIN32_BUILD, "i686-w64-mingw32", "pei-i386", "(PE32)", false},
};

void PrintTo(const Target& target, std::ostream* out) { *out << target.name; }

// Programs that every test run builds for both targets.
const std::vector<std::string> kImages = {"win/picoron.exe", "tests/core/core_tests.exe"};

// DLLs that every Windows installation has.
const std::set<std::string> kSystemDlls = {"kernel32.dll", "user32.dll", "gdi32.dll", "comdlg32.dll",
                                           "comctl32.dll", "shell32.dll", "advapi32.dll", "msvcrt.dll",
                                           "ole32.dll", "imm32.dll"};

std::string Capture(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return {};
  std::string out;
  std::array<char, 4096> buffer;
  size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0) out.append(buffer.data(), n);
  return out;
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

// A MinGW binutils tool's report on an image, in English.
std::string Dump(const Target& target, const std::string& tool, const std::filesystem::path& image) {
  return Capture("LC_ALL=C " + std::string(target.triplet) + "-" + tool + " '" + image.string() + "' 2>&1");
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class ImageTest : public ::testing::TestWithParam<Target> {};

TEST_P(ImageTest, IsNativeForItsTargetAndImportsOnlySystemDlls) {
  const Target& target = GetParam();
  if (std::string(target.buildDir).empty()) GTEST_SKIP() << "no Windows build tree was named";
  for (const auto& relative : kImages) {
    const auto path = std::filesystem::path(target.buildDir) / relative;
    SCOPED_TRACE(path.string());
    ASSERT_TRUE(std::filesystem::exists(path));
    const std::string dump = Dump(target, "objdump -p", path);
    EXPECT_NE(dump.find(std::string("file format ") + target.format), std::string::npos);
    EXPECT_NE(dump.find(target.magic), std::string::npos);
    std::istringstream lines(dump);
    int imports = 0;
    for (std::string line; std::getline(lines, line);) {
      const auto at = line.find("DLL Name: ");
      if (at == std::string::npos) continue;
      ++imports;
      const std::string dll = Lower(line.substr(at + 10));
      EXPECT_TRUE(kSystemDlls.count(dll)) << "imports " << dll;
    }
    EXPECT_GT(imports, 0);
  }
}

TEST_P(ImageTest, PicoronIsAHardenedGuiProgramWithIconAndVersion) {
  const Target& target = GetParam();
  if (std::string(target.buildDir).empty()) GTEST_SKIP() << "no Windows build tree was named";
  const auto path = std::filesystem::path(target.buildDir) / "win/picoron.exe";
  const std::string headers = Dump(target, "objdump -p", path);
  EXPECT_TRUE(Has(headers, "(Windows GUI)"));
  EXPECT_TRUE(Has(headers, "DYNAMIC_BASE"));
  EXPECT_TRUE(Has(headers, "NX_COMPAT"));
  EXPECT_EQ(Has(headers, "HIGH_ENTROPY_VA"), target.highEntropy);
  const std::string resources = Dump(target, "windres -O rc -i", path);
  EXPECT_TRUE(Has(resources, "\"MAINICON\" 14 /* RT_GROUP_ICON */"));
  EXPECT_TRUE(Has(resources, "VERSIONINFO"));
  EXPECT_TRUE(Has(resources, "VALUE \"FileDescription\""));
  EXPECT_TRUE(Has(resources, "VALUE \"ProductName\", \"picoron\""));
}

INSTANTIATE_TEST_SUITE_P(Windows, ImageTest, ::testing::ValuesIn(kTargets),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
