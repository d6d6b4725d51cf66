#include "history_file.h"

#include <algorithm>

#include "ui/text.h"

namespace picoron {

unsigned Win32HistoryFile::Create(const std::string& path) {
  file_.Reset(CreateFileW(ui::Widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  return file_.valid() ? 0 : GetLastError();
}

unsigned Win32HistoryFile::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file_.get(), bytes.data(), chunk, &written, nullptr)) return GetLastError();
    if (written == 0) return ERROR_DISK_FULL;
    bytes.remove_prefix(written);
  }
  return 0;
}

unsigned Win32HistoryFile::Close() { return file_.Close() ? 0 : GetLastError(); }

LocalTime LocalTimeNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wMonth, now.wDay, now.wHour, now.wMinute};
}

}  // namespace picoron
