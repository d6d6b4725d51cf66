#include "memo.h"

#include <algorithm>

#include "ansi_text.h"
#include "clipboard_text.h"
#include "form.h"

namespace picoron::ui {
namespace {

DWORD MemoWindowStyle(MemoStyle style) {
  // Without ES_AUTOVSCROLL a multi-line EDIT refuses text that runs past its
  // visible lines: a one-line box would paste nothing of "x\r\n".
  DWORD result = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  // A horizontal scroll bar means long lines run on to be scrolled sideways.
  if (!style.wordWrap || style.scrollBars) result |= ES_AUTOHSCROLL;
  if (style.scrollBars) result |= WS_HSCROLL | WS_VSCROLL;
  if (style.flatBorder) result |= WS_BORDER;
  return result;
}

}  // namespace

TMemo::TMemo(TForm& owner, Bounds design, unsigned anchors, MemoStyle style)
    : TControl(owner, design, anchors), displayLimit_(style.displayLimit) {
  // An ANSI window: the text it holds and the characters it is typed are
  // bytes of the ANSI code page, like every text of the history.
  const HWND handle = CreateWindowExA(style.flatBorder ? 0 : WS_EX_CLIENTEDGE, "EDIT", "", MemoWindowStyle(style),
                                      design.left, design.top, design.width, design.height, owner.Handle(),
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(NewControlId())),
                                      GetModuleHandleW(nullptr), nullptr);
  Attach(handle);
  SendMessageA(handle, EM_SETLIMITTEXT, 0, 0);
  // Subclassed by hand rather than through comctl32, whose bookkeeping asks
  // the Wine server for a window property on every message to the box.
  SetWindowLongPtrA(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  controlProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TMemo::SubclassProc)));
}

std::string TMemo::Text() const { return whole_ ? *whole_ : ControlText(); }

LRESULT TMemo::CallControl(UINT message, WPARAM wparam, LPARAM lparam) const {
  return CallWindowProcA(controlProc_, Handle(), message, wparam, lparam);
}

std::string TMemo::ControlText() const {
  // Asked of the control itself: our own WM_GETTEXT answer gives whole_.
  std::string text(static_cast<size_t>(CallControl(WM_GETTEXTLENGTH)) + 1, '\0');
  text.resize(static_cast<size_t>(CallControl(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

bool TMemo::ControlHolds(const std::string& text) const {
  // The length first: a long text of another length is never read back.
  return static_cast<size_t>(CallControl(WM_GETTEXTLENGTH)) == text.size() && ControlText() == text;
}

void TMemo::SetText(const std::string& text) {
  if (whole_ ? *whole_ == text : ControlHolds(text)) return;
  Hold(std::string(text));
}

void TMemo::Hold(std::string text) {
  whole_ = std::make_shared<const std::string>(std::move(text));
  if (showPending_) return;
  showPending_ = true;
  Owner().Later([this] { ShowPending(); });
}

void TMemo::ShowPending() {
  if (!showPending_) return;
  showPending_ = false;
  if (!whole_) return;
  shortened_ = displayLimit_ != 0 && whole_->size() > displayLimit_;
  const std::string shown = shortened_ ? std::string(AnsiPrefix(*whole_, displayLimit_)) : std::string();
  const std::string& given = shortened_ ? shown : *whole_;
  // Writing the text the control already holds would only reset its caret
  // and selection, and cost it a full relayout.
  if (!ControlHolds(given)) Show(given);
}

void TMemo::Show(const std::string& shown) {
  showing_ = true;
  SetWindowTextA(Handle(), shown.c_str());
  showing_ = false;
}

void TMemo::HandOverToControl() {
  if (!whole_) return;
  if (shortened_ || showPending_) {
    DWORD start = 0, end = 0;
    CallControl(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    Show(*whole_);
    CallControl(EM_SETSEL, start, end);
  }
  whole_.reset();
  shortened_ = false;
  showPending_ = false;
}

bool TMemo::PasteFromClipboard() {
  auto text = ReadClipboardText(Handle());
  if (!text) return false;
  if (whole_ ? whole_->empty() : CallControl(WM_GETTEXTLENGTH) == 0) {
    // The same as inserting at the caret, without the relayout of a long
    // text, and without a copy of it.
    if (!text->empty()) Hold(std::move(*text));
  } else {
    HandOverToControl();
    CallControl(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text->c_str()));
  }
  return true;
}

bool TMemo::ShareTextAsHint(const std::string& hint) {
  if (!whole_ || *whole_ != hint) return false;
  SetHint(whole_);
  return true;
}

int TMemo::SelectionLength() {
  ShowPending();
  DWORD start = 0, end = 0;
  CallControl(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TMemo::SelectAll() {
  ShowPending();
  CallControl(EM_SETSEL, 0, -1);
}

void TMemo::CopySelection() {
  ShowPending();
  DWORD start = 0, end = 0;
  CallControl(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  // All of a shortened box selected means all of its text.
  if (shortened_ && start == 0 && end >= static_cast<DWORD>(CallControl(WM_GETTEXTLENGTH))) {
    WriteClipboardText(Handle(), *whole_);
    return;
  }
  CallControl(WM_COPY);
}

LRESULT CALLBACK TMemo::SubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<TMemo*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(self->controlProc_));
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    return CallWindowProcA(self->controlProc_, window, message, wparam, lparam);
  }
  LRESULT result = 0;
  if (!Guarded([&] { result = self->Dispatch(window, message, wparam, lparam); })) return 0;
  return result;
}

LRESULT TMemo::Dispatch(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  Owner().RelayToToolTip(window, message, wparam, lparam);
  if (whole_) {
    switch (message) {
      case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(whole_->size());
      case WM_GETTEXT: {
        if (wparam == 0) return 0;
        const size_t copied = std::min<size_t>(wparam - 1, whole_->size());
        char* buffer = reinterpret_cast<char*>(lparam);
        whole_->copy(buffer, copied);
        buffer[copied] = '\0';
        return static_cast<LRESULT>(copied);
      }
      case WM_SETTEXT:
        if (!showing_) {  // someone else's text replaces ours
          whole_.reset();
          shortened_ = false;
          showPending_ = false;
        }
        break;
      // Whatever may let the user change the text. Typing needs the focus,
      // the context menu and a middle click do not.
      case WM_SETFOCUS:
      case WM_KEYDOWN:
      case WM_PASTE:
      case WM_CUT:
      case WM_CLEAR:
      case WM_UNDO:
      case EM_UNDO:
      case EM_REPLACESEL:
      case WM_IME_STARTCOMPOSITION:
      case WM_IME_COMPOSITION:
      case WM_IME_CHAR:
      case WM_CONTEXTMENU:
      case WM_MBUTTONDOWN:
        HandOverToControl();
        break;
      default:
        break;
    }
  }
  switch (message) {
    case WM_KEYDOWN:
      // Tab moves between the boxes instead of typing a tab.
      if (wparam == VK_TAB) {
        const bool backwards = GetKeyState(VK_SHIFT) < 0;
        if (HWND next = GetNextDlgTabItem(GetParent(window), window, backwards)) SetFocus(next);
        return 0;
      }
      break;
    case WM_CHAR: {
      if (wparam == '\t') return 0;
      const char typed = static_cast<char>(wparam);
      char key = typed;
      if (OnKeyPress) OnKeyPress(*this, key);
      if (key == 0) return 0;
      HandOverToControl();
      if (key != typed) wparam = static_cast<unsigned char>(key);
      break;
    }
    case WM_LBUTTONDBLCLK: {
      const LRESULT result = CallControl(message, wparam, lparam);
      if (OnDblClick) OnDblClick(*this);
      return result;
    }
    default:
      break;
  }
  return CallControl(message, wparam, lparam);
}

}  // namespace picoron::ui
