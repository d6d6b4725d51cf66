#include "ini_store.h"

#include <limits>

#include "ansi_text.h"

namespace picoron {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view a, std::string_view b) { return AnsiUpperCase(a) == AnsiUpperCase(b); }

// The name part of a key line, or nullopt for a line without "=".
std::optional<std::string_view> KeyOf(std::string_view line) {
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return line.substr(0, equals);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<int32_t> ParseIniInteger(std::string_view text) {
  std::string rewritten;
  if (text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    rewritten.assign(1, '$');
    rewritten.append(text.substr(2));
    text = rewritten;
  }
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;

  if (text.front() == '$' || text.front() == 'x' || text.front() == 'X') {
    text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    uint64_t value = 0;
    for (char c : text) {
      const int digit = HexDigit(c);
      if (digit < 0) return std::nullopt;
      value = value * 16 + static_cast<uint64_t>(digit);
      if (value > std::numeric_limits<uint32_t>::max()) return std::nullopt;
    }
    return static_cast<int32_t>(static_cast<uint32_t>(value));
  }

  const bool negative = text.front() == '-';
  if (text.front() == '-' || text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) return std::nullopt;
  return static_cast<int32_t>(value);
}

IniStore IniStore::Load(std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find('\0'));
  IniStore store;
  size_t start = 0;
  while (start < bytes.size()) {
    auto end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    const std::string_view line = TrimBlanks(bytes.substr(start, end - start));
    start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);

    if (line.empty() || line.front() == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      store.sections_.push_back({std::string(TrimBlanks(line.substr(1, line.size() - 2))), {}});
      continue;
    }
    if (store.sections_.empty()) continue;
    std::string stored(line);
    if (const auto key = KeyOf(line)) {
      stored = std::string(TrimBlanks(*key)) + "=" + std::string(TrimBlanks(line.substr(key->size() + 1)));
    }
    store.sections_.back().lines.push_back(std::move(stored));
  }
  return store;
}

template <class Sections>
auto* IniStore::FindSection(Sections& sections, std::string_view name) {
  for (auto section = sections.rbegin(); section != sections.rend(); ++section) {
    if (SameName(section->name, name)) return &*section;
  }
  return static_cast<decltype(&*sections.rbegin())>(nullptr);
}

std::optional<std::string_view> IniStore::FindValue(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(sections_, section);
  if (!found) return std::nullopt;
  for (auto line = found->lines.rbegin(); line != found->lines.rend(); ++line) {
    const auto name = KeyOf(*line);
    if (name && SameName(*name, key)) return std::string_view(*line).substr(name->size() + 1);
  }
  return std::nullopt;
}

int32_t IniStore::ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const {
  return ParseIniInteger(FindValue(section, key).value_or("")).value_or(fallback);
}

bool IniStore::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniStore::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
  Section* found = FindSection(sections_, section);
  if (!found) found = &sections_.emplace_back(Section{std::string(section), {}});
  std::string line = std::string(key) + "=" + std::to_string(value);
  for (auto existing = found->lines.rbegin(); existing != found->lines.rend(); ++existing) {
    const auto name = KeyOf(*existing);
    if (name && SameName(*name, key)) {
      *existing = std::move(line);
      return;
    }
  }
  found->lines.push_back(std::move(line));
}

void IniStore::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteInteger(section, key, value ? 1 : 0);
}

std::string IniStore::Write() const {
  std::string text;
  for (const auto& section : sections_) {
    text += "[" + section.name + "]\r\n";
    for (const auto& line : section.lines) text += line + "\r\n";
    text += "\r\n";
  }
  return text;
}

}  // namespace picoron
