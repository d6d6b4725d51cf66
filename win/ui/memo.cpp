#include "memo.h"

#include <commctrl.h>

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
  SetWindowSubclass(handle, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

std::string TMemo::Text() const { return whole_ ? *whole_ : ControlText(); }

std::string TMemo::ControlText() const {
  // Asked of the control itself: our own WM_GETTEXT answer would give the
  // whole text.
  const HWND control = Handle();
  std::string text(static_cast<size_t>(DefSubclassProc(control, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
  text.resize(static_cast<size_t>(
      DefSubclassProc(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

void TMemo::SetText(const std::string& text) {
  // Writing the text a box already holds would only reset its caret and
  // selection, and cost the EDIT control a full relayout.
  if (whole_ ? *whole_ == text : ControlText() == text) return;
  if (displayLimit_ != 0 && text.size() > displayLimit_) {
    Show(AnsiPrefix(text, displayLimit_));
    whole_ = text;
  } else {
    Show(text);
    whole_.reset();
  }
}

void TMemo::Show(std::string_view shown) {
  showing_ = true;
  SetWindowTextA(Handle(), std::string(shown).c_str());
  showing_ = false;
}

void TMemo::ShowWhole() {
  if (!whole_) return;
  DWORD start = 0, end = 0;
  SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const std::string whole = std::move(*whole_);
  whole_.reset();
  Show(whole);
  SendMessageA(Handle(), EM_SETSEL, start, end);
}

bool TMemo::PasteFromClipboard() {
  const auto text = ReadClipboardText(Handle());
  if (!text) return false;
  if (Text().empty()) {
    SetText(*text);  // the same as inserting at the caret, without the relayout of a long text
  } else {
    ShowWhole();
    SendMessageA(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text->c_str()));
  }
  return true;
}

int TMemo::SelectionLength() const {
  DWORD start = 0, end = 0;
  SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TMemo::SelectAll() { SendMessageA(Handle(), EM_SETSEL, 0, -1); }

void TMemo::CopySelection() {
  DWORD start = 0, end = 0;
  SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  // All of a shortened box selected means all of its text.
  if (whole_ && start == 0 && end >= static_cast<DWORD>(DefSubclassProc(Handle(), WM_GETTEXTLENGTH, 0, 0))) {
    WriteClipboardText(Handle(), *whole_);
    return;
  }
  SendMessageA(Handle(), WM_COPY, 0, 0);
}

LRESULT CALLBACK TMemo::SubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                     DWORD_PTR self) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, SubclassProc, 0);
    return DefSubclassProc(window, message, wparam, lparam);
  }
  LRESULT result = 0;
  if (!Guarded([&] { result = reinterpret_cast<TMemo*>(self)->Dispatch(window, message, wparam, lparam); })) return 0;
  return result;
}

LRESULT TMemo::Dispatch(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
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
        if (!showing_) whole_.reset();  // someone else's text replaces ours
        break;
      case WM_SETFOCUS:
      case WM_PASTE:
      case WM_CUT:
      case WM_CLEAR:
      case WM_UNDO:
      case EM_REPLACESEL:
      case WM_IME_STARTCOMPOSITION:
      case WM_IME_CHAR:
      case WM_CONTEXTMENU:
        ShowWhole();
        break;
      case WM_KEYDOWN:
        if (wparam == VK_DELETE) ShowWhole();
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
      ShowWhole();
      if (key != typed) wparam = static_cast<unsigned char>(key);
      break;
    }
    case WM_LBUTTONDBLCLK: {
      const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
      if (OnDblClick) OnDblClick(*this);
      return result;
    }
    default:
      break;
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

}  // namespace picoron::ui
