#include "history_file.h"

#include "ui/text.h"
#include "whole_file.h"

namespace picoron {

unsigned Win32HistoryFile::Create(const std::string& path) {
  file_.Reset(CreateFileW(ui::Widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  return file_.valid() ? 0 : GetLastError();
}

unsigned Win32HistoryFile::Write(std::string_view bytes) { return WriteBytes(file_.get(), bytes); }

unsigned Win32HistoryFile::Close() { return file_.Close() ? 0 : GetLastError(); }

LocalTime LocalTimeNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wMonth, now.wDay, now.wHour, now.wMinute};
}

}  // namespace picoron
