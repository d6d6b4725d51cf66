#include "settings_file.h"

#include <stdexcept>
#include <string>

#include "ui/handles.h"
#include "ui/text.h"

namespace picoron {
namespace {

std::string ExePath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

// "ファイル %s …" with the full path in place of %s.
[[noreturn]] void ThrowFileError(const char* before, const std::string& ansiPath, const char* after) {
  throw std::runtime_error(before + ui::Utf8FromAnsi(ansiPath) + after);
}

}  // namespace

std::optional<std::string> Win32SettingsFile::Load() {
  const std::string path = SettingsPath(ExePath());
  ui::KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND) return std::nullopt;
    ThrowFileError("ファイル ", path, " は開けません");
  }
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
  return bytes;
}

void Win32SettingsFile::Save(const std::string& bytes) {
  const std::string path = SettingsPath(ExePath());
  ui::KernelHandle file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) ThrowFileError("ファイル ", path, " を作成できません");
  DWORD written = 0;
  if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size()) {
    throw std::runtime_error("ストリームへの書き込みエラー");
  }
}

}  // namespace picoron
