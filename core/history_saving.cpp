#include "history_saving.h"

namespace picoron {
namespace {

// Two digits, with a leading zero; every part of a clock time fits. Written
// out by hand: the C library's formatting would add its whole printf engine
// to the exe for one name.
std::string TwoDigits(int value) {
  return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

}  // namespace

std::string SuggestedHistoryName(const LocalTime& now) {
  return "pr" + TwoDigits(now.month) + TwoDigits(now.day) + TwoDigits(now.hour) + TwoDigits(now.minute);
}

std::string IoErrorMessage(unsigned code) {
  switch (code) {
    case 2:
      return "ファイルが見つかりません";
    case 3:
      return "不正なファイル名です";
    case 4:
      return "オープンしたファイルが多すぎます";
    case 5:
      return "ファイルへのアクセスが拒否されました";
    default:
      return "I/O エラー (" + std::to_string(code) + ")";
  }
}

void SaveHistory(History& history, SaveFileDialog& dialog, const LocalTime& now, HistoryFile& file) {
  history.ArchiveClips();
  dialog.SetFileName(SuggestedHistoryName(now));
  if (!dialog.Execute()) return;
  if (const unsigned error = file.Create(dialog.FileName())) throw IoError(error);
  // The archive is read only now: texts that fell into it while the dialog
  // was open belong in the file too.
  unsigned error = file.Write(history.Archive());
  if (error == 0) error = file.Write(kLineBreak);
  const unsigned closeError = file.Close();
  if (error == 0) error = closeError;
  if (error != 0) throw IoError(error);
}

}  // namespace picoron
