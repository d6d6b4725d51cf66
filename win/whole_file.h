#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace picoron {

// A file read or written in one piece, with failures thrown in the words the
// user sees ("ファイル %s …" with the full path).

// nullopt when there is no file. Others may read it meanwhile, not write it.
std::optional<std::string> ReadWholeFile(const std::wstring& path);
// Creates the file, or empties it, and writes every byte, shared with nobody.
void WriteWholeFile(const std::wstring& path, std::string_view bytes);

// Writes every byte to an open file; 0, or the system's error code.
unsigned WriteBytes(void* file, std::string_view bytes);

}  // namespace picoron
