#pragma once

#include <optional>
#include <string>

#include "win32.h"

namespace picoron::ui {

// The clipboard's CF_TEXT, or the empty text when it offers none. Another
// program may hold the clipboard open for a moment (Wine's own clipboard
// manager does, whenever it imports an X selection), so opening is retried
// briefly; nullopt when it stayed busy all that time.
std::optional<std::string> ReadClipboardText(HWND owner);

}  // namespace picoron::ui
