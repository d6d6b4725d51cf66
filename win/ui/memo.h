#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "clipboard_viewer.h"
#include "component.h"
#include "entry_actions.h"

namespace picoron::ui {

struct MemoStyle {
  bool wordWrap;
  bool scrollBars;
  bool flatBorder;
  // 0, or the most bytes the control itself is given to show; see TMemo.
  size_t displayLimit = 0;
};

// A multi-line EDIT control holding ANSI text, with no length cap of its own.
//
// Under Wine every write to an EDIT control costs a good part of a
// millisecond, and every question put to it a round of message translation,
// while a capture has six boxes to rewrite before the viewers after us in the
// clipboard chain hear of the change. So a box keeps the text written to it
// and answers with it (reads, copies, WM_GETTEXT) until the user may change
// it; the control is given the text from the message queue, once for all the
// writes before the queue is next read. The user's own input comes through
// the queue after the write, and so meets the text already shown.
//
// With a display limit, a longer text is shown by its beginning only: the
// control takes about 0.4 µs per byte to take a text, so a one-line box given
// 10 MB would hold the window for seconds at every write, to show no more
// than its first line's start. The moment the user focuses the box or starts
// to change it, the control is given the whole text first.
class TMemo : public TControl, public PasteBox, public CopySource {
 public:
  TMemo(TForm& owner, Bounds design, unsigned anchors, MemoStyle style);

  std::string Text() const override;
  void SetText(const std::string& text) override;
  void Clear() override { SetText(std::string()); }
  bool PasteFromClipboard() override;

  // Makes the box's hint its own text, sharing the bytes, when `hint` is
  // that text; false, and nothing changed, otherwise.
  bool ShareTextAsHint(const std::string& hint);

  int SelectionLength() override;
  void SelectAll() override;
  void CopySelection() override;

  // Sees each typed character first; one replaced by 0 never reaches the box.
  std::function<void(TComponent& sender, char& key)> OnKeyPress;
  TNotifyEvent OnDblClick;

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Dispatch(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT CallControl(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const;
  std::string ControlText() const;
  bool ControlHolds(const std::string& text) const;
  void Show(const std::string& shown);
  // Makes `text` the box's text, to be shown from the message queue.
  void Hold(std::string text);
  // Gives the control the text last written to the box, or its beginning.
  void ShowPending();
  // Before the user may change the box: the control gets the whole text, and
  // from then on is asked for it.
  void HandOverToControl();

  WNDPROC controlProc_ = nullptr;  // the EDIT control's own procedure
  size_t displayLimit_;
  // The box's text while it is known without asking the control: from a
  // write until the user may change the box. Never changed in place, so that
  // the hint can share it.
  std::shared_ptr<const std::string> whole_;
  bool shortened_ = false;    // the control holds only the beginning of whole_
  bool showPending_ = false;  // the control is yet to be given whole_
  bool showing_ = false;      // our own WM_SETTEXT is under way
};

}  // namespace picoron::ui
