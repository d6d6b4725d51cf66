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
  if (services_.IsTextAvailable()) CaptureText();
  // Passed on last, so that a peer reacting to it finds the history updated.
  if (FNextViewer != 0) services_.Send(FNextViewer, kDrawClipboardMessage, 0, 0);
}

void ClipboardViewer::WMChangeCBChain(WindowHandle removed, WindowHandle next) {
  if (removed == FNextViewer) {
    FNextViewer = next;
  } else if (FNextViewer != 0) {
    services_.Send(FNextViewer, kChangeCbChainMessage, removed, static_cast<std::intptr_t>(next));
  }
}

void ClipboardViewer::CaptureText() {
  std::string before = box1_.Text();
  box1_.Clear();
  if (!box1_.PasteFromClipboard()) {
    // Nothing was read: pushing the empty text now would record a change
    // that never happened, so the box gets back what it showed.
    box1_.SetText(before);
    return;
  }
  const std::string pasted = box1_.Text();
  box1_.SetText(std::string(WithoutTrailingBlanks(pasted)));
  // Read back: what the box holds after the write is what the history gets.
  history_.SetNewClip(box1_.Text());
  history_.PushClip();
}

}  // namespace picoron
