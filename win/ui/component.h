#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "win32.h"

namespace picoron::ui {

class TForm;

// Anything a form owns, in the order the form created it.
class TComponent {
 public:
  explicit TComponent(TForm& owner) : owner_(owner) {}
  virtual ~TComponent() = default;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TForm& Owner() const { return owner_; }

 private:
  TForm& owner_;
};

enum Anchor : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

struct Bounds {
  int left, top, width, height;
  bool operator==(const Bounds&) const = default;
};

// A component that is a child window of its form. Its design bounds are
// relative to the form's design client size; anchors keep the distances to
// the anchored edges as the form's client area changes.
class TControl : public TComponent {
 public:
  HWND Handle() const { return handle_; }
  // The hint is ANSI text; its part before the first "|" is the tool tip.
  void SetHint(const std::string& hint);
  // A hint that shares its bytes with another holder of the same text.
  void SetHint(std::shared_ptr<const std::string> hint);
  // What the tool tip shows now, worked out when it is about to show; kept
  // until it asks again.
  const std::string& ToolTipTextNow();

  // Lays the control out for the form's current client size.
  void Realign(int clientWidth, int clientHeight);

 protected:
  TControl(TForm& owner, Bounds design, unsigned anchors) : TComponent(owner), design_(design), anchors_(anchors) {}
  // The id to create the control's window with: 100 + its place among the
  // form's components, so a tool outside the process can tell them apart.
  // Valid while the control is being constructed.
  int NewControlId() const;
  // Takes over the created window: font, tool tip, first layout.
  void Attach(HWND handle);
  Bounds Design() const { return design_; }

 private:
  HWND handle_ = nullptr;
  Bounds design_;
  std::optional<Bounds> laidOut_;  // where Realign last put the control
  unsigned anchors_;
  std::shared_ptr<const std::string> hint_;  // null for no hint
  std::string toolTip_;                       // ANSI, as the hint
};

using TNotifyEvent = std::function<void(TComponent& sender)>;

}  // namespace picoron::ui
