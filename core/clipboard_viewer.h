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
  // Delivers a message to `to` and returns once it has been handled.
  virtual void Send(WindowHandle to, unsigned message, std::uintptr_t wparam,
                    std::intptr_t lparam) = 0;
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

  WindowHandle NextViewer() const { return FNextViewer; }

 private:
  void CaptureText();

  ClipboardChainServices& services_;
  PasteBox& box1_;
  History& history_;
  WindowHandle self_ = 0;
  WindowHandle FNextViewer = 0;
};

}  // namespace picoron
