#include "ansi_text.h"

namespace picoron {

std::string_view AnsiPrefix(std::string_view text, size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  size_t end = 0;
  while (end < maxBytes) {
    const size_t step = IsLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
    if (end + step > maxBytes) break;
    end += step;
  }
  return text.substr(0, end);
}

std::string AnsiUpperCase(std::string_view text) {
  std::string upper(text);
  for (size_t i = 0; i < upper.size(); ++i) {
    const auto byte = static_cast<unsigned char>(upper[i]);
    if (IsLeadByte(byte)) {
      ++i;
    } else if (byte >= 'a' && byte <= 'z') {
      upper[i] = static_cast<char>(byte - 'a' + 'A');
    }
  }
  return upper;
}

}  // namespace picoron
