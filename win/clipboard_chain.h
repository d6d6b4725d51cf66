#pragma once

#include "clipboard_viewer.h"

namespace picoron {

// The viewer chain and clipboard queries as user32 provides them, for the
// window `self`, to which capture retries are posted as `retryMessage`.
class Win32ClipboardChain : public ClipboardChainServices {
 public:
  Win32ClipboardChain(WindowHandle self, unsigned retryMessage) : self_(self), retryMessage_(retryMessage) {}

  WindowHandle SetClipboardViewer(WindowHandle self) override;
  void ChangeClipboardChain(WindowHandle self, WindowHandle next) override;
  bool IsTextAvailable() override;
  bool IsExcludedFromHistory() override;
  std::uint32_t ClipboardSequence() override;
  // Waits a bounded time only: a next viewer that stops answering still gets
  // the message, but no longer holds picoron.
  void Send(WindowHandle to, unsigned message, std::uintptr_t wparam, std::intptr_t lparam) override;
  void PostCaptureRetry() override;

  static constexpr unsigned kSendTimeoutMs = 500;

 private:
  WindowHandle self_;
  unsigned retryMessage_;
};

}  // namespace picoron
