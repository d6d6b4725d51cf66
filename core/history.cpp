#include "history.h"

#include <algorithm>

namespace picoron {

void History::PushClip() {
  const auto found = std::find(FClips.begin(), FClips.end(), FNewClip);
  if (found == FClips.begin()) return;

  if (found != FClips.end()) {
    // The equal text moves to the top; nothing leaves the history.
    std::rotate(FClips.begin(), found, found + 1);
  } else {
    AppendToArchive(FClips.back());
    std::rotate(FClips.begin(), FClips.end() - 1, FClips.end());
    FClips.front() = FNewClip;
  }
  ShowClips();
}

void History::ArchiveClips() {
  for (int i = 1; i <= kEntryCount; ++i) FClips[i - 1] = view_.BoxText(i);
  for (auto entry = FClips.rbegin(); entry != FClips.rend(); ++entry) AppendToArchive(*entry);
}

void History::ClearOlderEntries() {
  for (int i = 2; i <= kEntryCount; ++i) {
    view_.SetBoxText(i, std::string());
    FClips[i - 1].clear();
    view_.SetBoxHint(i, FClips[i - 1]);
  }
}

void History::ShowClips() {
  for (int i = 1; i <= kEntryCount; ++i) {
    view_.SetBoxText(i, FClips[i - 1]);
    view_.SetBoxHint(i, FClips[i - 1]);
  }
}

void History::AppendToArchive(const std::string& entry) {
  if (entry.empty()) return;
  FArchive += entry;
  FArchive += kLineBreak;
}

}  // namespace picoron
