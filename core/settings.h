#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace picoron {

// "picoron.ini" in the executable's folder. The folder ends at the last
// backslash or drive colon; a backslash that is the second byte of a
// double-byte character is part of that character, not a separator.
std::string SettingsPath(std::string_view exePath);

// A window's outer geometry as the settings steps read and set it.
class StoredWindow {
 public:
  virtual ~StoredWindow() = default;
  virtual int32_t Top() const = 0;
  virtual int32_t Left() const = 0;
  virtual int32_t Height() const = 0;
  virtual int32_t Width() const = 0;
  virtual void SetTop(int32_t value) = 0;
  virtual void SetLeft(int32_t value) = 0;
  virtual void SetHeight(int32_t value) = 0;
  virtual void SetWidth(int32_t value) = 0;
};

// The hide toggle's state.
class StoredToggle {
 public:
  virtual ~StoredToggle() = default;
  virtual bool Down() const = 0;
  virtual void SetDown(bool down) = 0;
};

// The settings file's bytes. Failures are thrown with the message the user
// sees; a missing file is no failure.
class SettingsFile {
 public:
  virtual ~SettingsFile() = default;
  // nullopt when there is no file.
  virtual std::optional<std::string> Load() = 0;
  virtual void Save(const std::string& bytes) = 0;
};

// Each value is applied before the next is read, with the window's value at
// that moment as its default.
void ReadMainSettings(SettingsFile& file, StoredWindow& main, StoredToggle& hide);
void ReadEditorSettings(SettingsFile& file, StoredWindow& editor);
void WriteMainSettings(SettingsFile& file, const StoredWindow& main, const StoredToggle& hide);
void WriteAllSettings(SettingsFile& file, const StoredWindow& main, const StoredToggle& hide,
                      const StoredWindow& editor);

}  // namespace picoron
