#pragma once

#include <string>
#include <string_view>

namespace picoron {

// The text of the default error report: the message, with "." appended when
// its last character sorts after "." (every Japanese character does). Works
// on UTF-8, whose multi-byte characters all end in a byte above '.'.
std::string ErrorReportText(std::string_view message);

// The application's title from the executable's path: folder and everything
// from the first dot dropped, the rest after the first character in lower
// case (ASCII letters; other characters stay as they are).
std::string ApplicationTitle(std::string_view exePathUtf8);

}  // namespace picoron
