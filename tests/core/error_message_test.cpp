#include "error_message.h"

#include <gtest/gtest.h>

#include <string>

#include "fakes.h"

namespace picoron {
namespace {

using testing::TextCase;

class ReportTextCases : public ::testing::TestWithParam<TextCase> {};

TEST_P(ReportTextCases, AppendsPeriodAfterCharactersSortingAfterIt) {
  EXPECT_EQ(ErrorReportText(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Report, ReportTextCases,
    ::testing::Values(TextCase{"Letter", "Disk full", "Disk full."},
                      TextCase{"Japanese", "ファイルへのアクセスが拒否されました", "ファイルへのアクセスが拒否されました."},
                      TextCase{"AlreadyPeriod", "Done.", "Done."},
                      TextCase{"ClosingParenthesisSortsBefore", "I/O エラー (5)", "I/O エラー (5)"},
                      TextCase{"Exclamation", "Stop!", "Stop!"},
                      TextCase{"Slash", "a/", "a/."},
                      TextCase{"Empty", "", ""}),
    testing::CaseName());

class TitleCases : public ::testing::TestWithParam<TextCase> {};

TEST_P(TitleCases, DerivesTitleFromExeName) { EXPECT_EQ(ApplicationTitle(GetParam().in), GetParam().out); }

INSTANTIATE_TEST_SUITE_P(
    Title, TitleCases,
    ::testing::Values(TextCase{"FirstCharacterKeptAsItIs", "C:\\Tools\\picoron.exe", "picoron"},
                      TextCase{"UpperCaseName", "C:\\TOOLS.D\\PICORON.EXE", "Picoron"},
                      TextCase{"MixedCase", "D:\\x\\PicoRon.exe", "Picoron"},
                      TextCase{"FromFirstDot", "C:\\a\\Pico.Ron.exe", "Pico"},
                      TextCase{"DriveOnly", "C:picoron.exe", "picoron"}),
    testing::CaseName());

}  // namespace
}  // namespace picoron
