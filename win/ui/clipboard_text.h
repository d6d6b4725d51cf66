#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "win32.h"

namespace picoron::ui {

// The clipboard's CF_TEXT, or the empty text when it offers none. Another
// program may hold the clipboard open for a moment (Wine's own clipboard
// manager does, whenever it imports an X selection), so opening is retried
// briefly; nullopt when it stayed busy all that time.
std::optional<std::string> ReadClipboardText(HWND owner);

// Puts a text on the clipboard as CF_TEXT, as the EDIT control's copy does;
// false when the clipboard stayed busy.
bool WriteClipboardText(HWND owner, std::string_view text);

}  // namespace picoron::ui
