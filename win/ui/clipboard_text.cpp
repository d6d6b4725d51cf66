#include "clipboard_text.h"

#include <cstring>

#include "handles.h"

namespace picoron::ui {
namespace {

constexpr int kOpenAttempts = 20;
constexpr DWORD kRetryPauseMs = 10;

// Runs `use` with the clipboard open, trying a few times while another
// program holds it; false when it stayed busy.
template <class Use>
bool WithClipboard(HWND owner, Use use) {
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    if (attempt > 0) Sleep(kRetryPauseMs);
    ClipboardSession session(owner);
    if (!session.IsOpen()) continue;
    use();
    return true;
  }
  return false;
}

}  // namespace

std::optional<std::string> ReadClipboardText(HWND owner) {
  std::string text;
  const bool read = WithClipboard(owner, [&] {
    GlobalLockGuard data(GetClipboardData(CF_TEXT));
    if (!data.data()) return;
    const char* bytes = static_cast<const char*>(data.data());
    text.assign(bytes, strnlen(bytes, data.size()));
  });
  if (!read) return std::nullopt;
  return text;
}

bool WriteClipboardText(HWND owner, std::string_view text) {
  return WithClipboard(owner, [&] {
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!memory) return;
    {
      GlobalLockGuard data(memory);
      char* bytes = static_cast<char*>(data.data());
      text.copy(bytes, text.size());
      bytes[text.size()] = '\0';
    }
    // Once handed over, the memory is the clipboard's.
    if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
  });
}

}  // namespace picoron::ui
