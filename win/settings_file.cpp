#include "settings_file.h"

#include <string>

#include "ui/text.h"
#include "whole_file.h"

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

}  // namespace

std::wstring Win32SettingsFile::Path() { return ui::WidenAnsi(SettingsPath(ExePath())); }

std::optional<std::string> Win32SettingsFile::Load() { return ReadWholeFile(Path()); }

void Win32SettingsFile::Save(const std::string& bytes) { WriteWholeFile(Path(), bytes); }

}  // namespace picoron
