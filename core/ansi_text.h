#pragma once

#include <string>
#include <string_view>

namespace picoron {

// The first byte of a double-byte character of the Japanese ANSI code page
// (932); the byte after it is part of the same character, whatever its value.
inline bool IsLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

// The longest beginning of `text` of at most `maxBytes` bytes that does not
// cut a double-byte character in two.
std::string_view AnsiPrefix(std::string_view text, size_t maxBytes);

// Upper-cases the ASCII letters of an ANSI text, leaving double-byte
// characters whole, as the code page's own upper-casing does.
std::string AnsiUpperCase(std::string_view text);

}  // namespace picoron
