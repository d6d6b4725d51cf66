#include "clipboard_viewer.h"

namespace picoron {

std::string_view WithoutTrailingBlanks(std::string_view text) {
  auto end = text.size();
  while (end > 0 && static_cast<unsigned char>(text[end - 1]) <= 0x20) --end;
  return text.substr(0, end);
}

void ClipboardViewer::JoinClipboardChain(WindowHandle self) {
  self_ = self;
  FNextViewer = services_.SetClipboardViewer(self);
}

void ClipboardViewer::LeaveClipboardChain() {
  services_.ChangeClipboardChain(self_, FNextViewer);
}

void ClipboardViewer::WMDrawClipboard() {
  const std::uint32_t sequence = services_.ClipboardSequence();
  // A misbehaving viewer further on linked the chain back to us: this is the
  // change we are passing on, come round again.
  if (passingOn_ && sequence == passingSequence_) return;
  const bool captured = CaptureIfText();
  // Passed on last, so that a peer reacting to it finds the history updated.
  PassOn(sequence);
  if (!captured) {
    retriesLeft_ = kCaptureRetries;
    services_.PostCaptureRetry();
  }
}

void ClipboardViewer::RetryCapture() {
  if (retriesLeft_ <= 0 || CaptureIfText()) return;
  if (--retriesLeft_ > 0) services_.PostCaptureRetry();
}

void ClipboardViewer::PassOn(std::uint32_t sequence) {
  if (FNextViewer == 0) return;
  // A newer change can arrive while we wait in Send; it is passed on inside
  // this one, and this one's mark comes back afterwards.
  const bool wasPassingOn = passingOn_;
  const std::uint32_t wasSequence = passingSequence_;
  passingOn_ = true;
  passingSequence_ = sequence;
  services_.Send(FNextViewer, kDrawClipboardMessage, 0, 0);
  passingOn_ = wasPassingOn;
  passingSequence_ = wasSequence;
}

bool ClipboardViewer::CaptureIfText() {
  if (!services_.IsTextAvailable() || services_.IsExcludedFromHistory()) return true;
  return CaptureText();
}

void ClipboardViewer::WMChangeCBChain(WindowHandle removed, WindowHandle next) {
  if (removed == FNextViewer) {
    FNextViewer = next;
  } else if (FNextViewer != 0) {
    services_.Send(FNextViewer, kChangeCbChainMessage, removed, static_cast<std::intptr_t>(next));
  }
}

bool ClipboardViewer::CaptureText() {
  std::string before = box1_.Text();
  box1_.Clear();
  if (!box1_.PasteFromClipboard()) {
    // Nothing was read: pushing the empty text now would record a change
    // that never happened, so the box gets back what it showed.
    box1_.SetText(before);
    return false;
  }
  std::string text = box1_.Text();
  // Written back only when there is something to trim, and then read back:
  // what the box holds after the write is what the history gets. A text of
  // megabytes is copied no more often than that.
  if (const auto trimmed = WithoutTrailingBlanks(text).size(); trimmed != text.size()) {
    text.resize(trimmed);
    box1_.SetText(text);
    text = box1_.Text();
  }
  history_.SetNewClip(std::move(text));
  history_.PushClip();
  retriesLeft_ = 0;
  return true;
}

}  // namespace picoron
