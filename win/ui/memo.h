#pragma once

#include <functional>
#include <string>

#include "clipboard_viewer.h"
#include "component.h"
#include "entry_actions.h"

namespace picoron::ui {

struct MemoStyle {
  bool wordWrap;
  bool scrollBars;
  bool flatBorder;
};

// A multi-line EDIT control holding ANSI text, with no length cap of its own.
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
};

}  // namespace picoron::ui
