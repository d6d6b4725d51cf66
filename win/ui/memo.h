#pragma once

#include <functional>
#include <optional>
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
// With a display limit, a longer text is shown by its beginning only: Wine's
// EDIT control takes about 0.4 µs per byte to take a text, so a one-line box
// given 10 MB would hold the window for seconds at every write, to show no
// more than its first line's start. The box still holds the whole text: it
// reads, copies and answers WM_GETTEXT with it, and the moment the user
// focuses the box or starts to change it, the control is given the whole
// text first.
class TMemo : public TControl, public PasteBox, public CopySource {
 public:
  TMemo(TForm& owner, Bounds design, unsigned anchors, MemoStyle style);

  std::string Text() const override;
  void SetText(const std::string& text) override;
  void Clear() override { SetText(std::string()); }
  bool PasteFromClipboard() override;

  int SelectionLength() const override;
  void SelectAll() override;
  void CopySelection() override;

  // Sees each typed character first; one replaced by 0 never reaches the box.
  std::function<void(TComponent& sender, char& key)> OnKeyPress;
  TNotifyEvent OnDblClick;

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                       DWORD_PTR self);
  LRESULT Dispatch(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  std::string ControlText() const;
  void Show(std::string_view shown);
  // Before the user changes a box that shows only a beginning.
  void ShowWhole();

  size_t displayLimit_;
  std::optional<std::string> whole_;  // set while the control shows only its beginning
  bool showing_ = false;              // our own WM_SETTEXT is under way
};

}  // namespace picoron::ui
