#include "ansi_text.h"

namespace picoron {

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
