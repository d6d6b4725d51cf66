#pragma once

#include "clipboard_viewer.h"

namespace picoron {

// The viewer chain and clipboard query as user32 provides them.
class Win32ClipboardChain : public ClipboardChainServices {
 public:
  WindowHandle SetClipboardViewer(WindowHandle self) override;
  void ChangeClipboardChain(WindowHandle self, WindowHandle next) override;
  bool IsTextAvailable() override;
  void Send(WindowHandle to, unsigned message, std::uintptr_t wparam, std::intptr_t lparam) override;
};

}  // namespace picoron
