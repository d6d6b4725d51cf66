#include "clipboard_text.h"

#include <cstring>

#include "handles.h"

namespace picoron::ui {
namespace {

constexpr int kOpenAttempts = 20;
constexpr DWORD kRetryPauseMs = 10;

}  // namespace

std::optional<std::string> ReadClipboardText(HWND owner) {
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    if (attempt > 0) Sleep(kRetryPauseMs);
    ClipboardSession session(owner);
    if (!session.IsOpen()) continue;
    GlobalLockGuard text(GetClipboardData(CF_TEXT));
    if (!text.data()) return std::string();
    const char* bytes = static_cast<const char*>(text.data());
    return std::string(bytes, strnlen(bytes, text.size()));
  }
  return std::nullopt;
}

}  // namespace picoron::ui
