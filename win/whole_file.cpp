#include "whole_file.h"

#include <algorithm>
#include <stdexcept>

#include "ui/handles.h"
#include "ui/text.h"

namespace picoron {
namespace {

[[noreturn]] void ThrowFileError(const std::wstring& path, const char* what) {
  throw std::runtime_error("ファイル " + ui::Utf8FromWide(path) + what);
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
  ui::KernelHandle file(
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return std::nullopt;
    ThrowFileError(path, " は開けません");
  }
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
  return bytes;
}

void WriteWholeFile(const std::wstring& path, std::string_view bytes) {
  ui::KernelHandle file(
      CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) ThrowFileError(path, " を作成できません");
  if (WriteBytes(file.get(), bytes) != 0) throw std::runtime_error("ストリームへの書き込みエラー");
}

unsigned WriteBytes(void* file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return GetLastError();
    if (written == 0) return ERROR_DISK_FULL;
    bytes.remove_prefix(written);
  }
  return 0;
}

}  // namespace picoron
