#include "history_saving.h"

#include <cstdio>

namespace picoron {

std::string SuggestedHistoryName(const LocalTime& now) {
  char name[16];
  std::snprintf(name, sizeof name, "pr%02d%02d%02d%02d", now.month, now.day, now.hour, now.minute);
  return name;
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
