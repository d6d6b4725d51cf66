#include "settings.h"

#include "ansi_text.h"
#include "ini_store.h"

namespace picoron {
namespace {

constexpr std::string_view kMainSection = "PicoRon";
constexpr std::string_view kEditorSection = "Editer";

IniStore Open(SettingsFile& file) { return IniStore::Load(file.Load().value_or(std::string())); }

void ReadGeometry(const IniStore& store, std::string_view section, StoredWindow& window) {
  window.SetTop(store.ReadInteger(section, "Top", window.Top()));
  window.SetLeft(store.ReadInteger(section, "Left", window.Left()));
  window.SetHeight(store.ReadInteger(section, "Height", window.Height()));
  window.SetWidth(store.ReadInteger(section, "Width", window.Width()));
}

void WriteGeometry(IniStore& store, std::string_view section, const StoredWindow& window) {
  store.WriteInteger(section, "Top", window.Top());
  store.WriteInteger(section, "Left", window.Left());
  store.WriteInteger(section, "Height", window.Height());
  store.WriteInteger(section, "Width", window.Width());
}

void WriteMain(IniStore& store, const StoredWindow& main, const StoredToggle& hide) {
  WriteGeometry(store, kMainSection, main);
  store.WriteBool(kMainSection, "Down", hide.Down());
}

}  // namespace

std::string SettingsPath(std::string_view exePath) {
  size_t folderLength = 0;
  for (size_t i = 0; i < exePath.size(); ++i) {
    const auto byte = static_cast<unsigned char>(exePath[i]);
    if (IsLeadByte(byte)) {
      ++i;
    } else if (byte == '\\' || byte == ':') {
      folderLength = i + 1;
    }
  }
  return std::string(exePath.substr(0, folderLength)) + "picoron.ini";
}

void ReadMainSettings(SettingsFile& file, StoredWindow& main, StoredToggle& hide) {
  const IniStore store = Open(file);
  ReadGeometry(store, kMainSection, main);
  hide.SetDown(store.ReadBool(kMainSection, "Down", false));
}

void ReadEditorSettings(SettingsFile& file, StoredWindow& editor) { ReadGeometry(Open(file), kEditorSection, editor); }

void WriteMainSettings(SettingsFile& file, const StoredWindow& main, const StoredToggle& hide) {
  IniStore store = Open(file);
  WriteMain(store, main, hide);
  file.Save(store.Write());
}

void WriteAllSettings(SettingsFile& file, const StoredWindow& main, const StoredToggle& hide,
                      const StoredWindow& editor) {
  IniStore store = Open(file);
  WriteMain(store, main, hide);
  WriteGeometry(store, kEditorSection, editor);
  file.Save(store.Write());
}

}  // namespace picoron
