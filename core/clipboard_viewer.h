#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "history.h"

namespace picoron {

// A window handle as the clipboard viewer chain passes it around.
using WindowHandle = std::uintptr_t;

inline constexpr unsigned kDrawClipboardMessage = 0x308;  // WM_DRAWCLIPBOARD
inline constexpr unsigned kChangeCbChainMessage = 0x30D;  // WM_CHANGECBCHAIN

// The clipboard and viewer-chain services of the window system.
class ClipboardChainServices {
 public:
  virtual ~ClipboardChainServices() = default;
  // Puts `self` at the head of the chain; returns the former head, or 0.
  virtual WindowHandle SetClipboardViewer(WindowHandle self) = 0;
  virtual void ChangeClipboardChain(WindowHandle self, WindowHandle next) = 0;
  virtual bool IsTextAvailable() = 0;
  // True when the clipboard's owner asks viewers not to record its content
  // (password managers mark their texts so).
  virtual bool IsExcludedFromHistory() = 0;
  // Changes with every change of the clipboard's content.
  virtual std::uint32_t ClipboardSequence() = 0;
  // Delivers a message to `to`; returns once it has been handled, or once a
  // bounded wait for a peer that does not answer is over.
  virtual void Send(WindowHandle to, unsigned message, std::uintptr_t wparam,
                    std::intptr_t lparam) = 0;
  // Asks for RetryCapture to run from the message queue (not from a timer).
  virtual void PostCaptureRetry() = 0;
};

// Entry box 1, through which every clipboard text is loaded.
class PasteBox {
 public:
  virtual ~PasteBox() = default;
  virtual void Clear() = 0;
  // Inserts the clipboard's text; false when the clipboard could not be read
  // at all (held open by another program), which is not the same as a
  // clipboard that offers an empty text.
  virtual bool PasteFromClipboard() = 0;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
};

// Drops every trailing byte of value 0x20 or less (blanks and control bytes),
// read as unsigned so that double-byte characters are never cut.
std::string_view WithoutTrailingBlanks(std::string_view text);

// The main window's place in the clipboard viewer chain: it captures each
// clipboard text into the history and passes every notice on.
class ClipboardViewer {
 public:
  ClipboardViewer(ClipboardChainServices& services, PasteBox& box1, History& history)
      : services_(services), box1_(box1), history_(history) {}

  void JoinClipboardChain(WindowHandle self);
  void LeaveClipboardChain();
  void WMDrawClipboard();
  void WMChangeCBChain(WindowHandle removed, WindowHandle next);
  // A capture that found the clipboard held open by another program, tried
  // again once the notice has gone on; a few times at most.
  void RetryCapture();

  WindowHandle NextViewer() const { return FNextViewer; }

  static constexpr int kCaptureRetries = 25;

 private:
  // False when the clipboard could not be read at all.
  bool CaptureIfText();
  bool CaptureText();
  void PassOn(std::uint32_t sequence);

  ClipboardChainServices& services_;
  PasteBox& box1_;
  History& history_;
  WindowHandle self_ = 0;
  WindowHandle FNextViewer = 0;
  // The change being passed on, so that a chain that loops back here is not
  // followed round again.
  bool passingOn_ = false;
  std::uint32_t passingSequence_ = 0;
  int retriesLeft_ = 0;
};

}  // namespace picoron
