#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace picoron {

// An INI file held in memory: ordered sections of ordered lines. Loading
// brings the text into a normal form (no comments, blank lines or outer
// blanks) and writing keeps every section and key it was not asked about.
class IniStore {
 public:
  // A NUL byte ends the text; CR LF, lone CR and lone LF each end a line.
  static IniStore Load(std::string_view bytes);

  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
  void WriteInteger(std::string_view section, std::string_view key, int32_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);

  // Every section as "[name]", its lines, and an empty line; CR LF after each.
  std::string Write() const;

 private:
  struct Section {
    std::string name;
    std::vector<std::string> lines;
  };
  // The last section of that name, letter case ignored; works for both the
  // const and the mutable store.
  template <class Sections>
  static auto* FindSection(Sections& sections, std::string_view name);
  std::optional<std::string_view> FindValue(std::string_view section, std::string_view key) const;

  std::vector<Section> sections_;
};

// An integer value text: decimal with an optional sign, or hexadecimal after
// "$", "x", "X", "0x" or "0X" taken as 32 signed bits; nullopt otherwise.
std::optional<int32_t> ParseIniInteger(std::string_view text);

}  // namespace picoron
