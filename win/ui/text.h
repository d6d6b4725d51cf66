#pragma once

#include <string>
#include <string_view>

namespace picoron::ui {

// Fixed UI texts are written as UTF-8 in the source; Win32 gets them wide.
std::wstring Widen(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);
// Entry texts and hints are bytes of the ANSI code page.
std::string AnsiFromUtf8(std::string_view utf8);
std::wstring WidenAnsi(std::string_view ansi);

}  // namespace picoron::ui
