#include "text.h"

#include "win32.h"

namespace picoron::ui {
namespace {

std::wstring ToWide(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  std::wstring wide(MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

std::string FromWide(UINT codePage, std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  std::string text(WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, text.data(), static_cast<int>(text.size()), nullptr, nullptr);
  return text;
}

}  // namespace

std::wstring Widen(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }
std::string Utf8FromWide(std::wstring_view wide) { return FromWide(CP_UTF8, wide); }
std::string AnsiFromUtf8(std::string_view utf8) { return FromWide(CP_ACP, ToWide(CP_UTF8, utf8)); }
std::wstring WidenAnsi(std::string_view ansi) { return ToWide(CP_ACP, ansi); }

}  // namespace picoron::ui
