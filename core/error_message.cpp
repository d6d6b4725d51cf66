#include "error_message.h"

namespace picoron {

std::string ErrorReportText(std::string_view message) {
  std::string text(message);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  return text;
}

std::string ApplicationTitle(std::string_view exePathUtf8) {
  const auto folderEnd = exePathUtf8.find_last_of("\\/:");
  std::string_view name = folderEnd == std::string_view::npos ? exePathUtf8 : exePathUtf8.substr(folderEnd + 1);
  name = name.substr(0, name.find('.'));
  std::string title(name);
  for (size_t i = 1; i < title.size(); ++i) {
    if (title[i] >= 'A' && title[i] <= 'Z') title[i] = static_cast<char>(title[i] - 'A' + 'a');
  }
  return title;
}

}  // namespace picoron
