#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "application.h"
#include "component.h"
#include "handles.h"
#include "tool_tips.h"
#include "win32.h"

namespace picoron::ui {

enum class TCloseAction { caNone, caHide, caFree, caMinimize };

// What a form's resource would say: caption, outer bounds, and the client
// size for which the components' positions and anchors were laid out.
struct FormDesign {
  const char* captionUtf8;
  Bounds bounds;
  SIZE designClient;
  bool stayOnTop;
};

// A top-level window owned by the application's window, with its components
// kept in creation order.
class TForm {
 public:
  TForm(TApplication& application, const FormDesign& design);
  // Destroys the window without running any handler.
  virtual ~TForm();
  TForm(const TForm&) = delete;
  TForm& operator=(const TForm&) = delete;

  HWND Handle() const { return handle_; }
  TComponent& Components(int index) const { return *components_.at(static_cast<size_t>(index)); }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  SIZE DesignClient() const { return designClient_; }
  HFONT Font() const { return font_.get(); }
  // Gives `control` a tool tip; the form's tool tip control itself is made
  // once start-up is over.
  void AddToolTip(HWND control);
  // Lets the tool tip see the mouse messages of `control`.
  void RelayToToolTip(HWND control, UINT message, WPARAM wparam, LPARAM lparam);

  // Where the client area starts, measured from the window's outer corner.
  POINT ClientOffset() const;
  int Left() const { return WindowRect().left; }
  int Top() const { return WindowRect().top; }
  int Width() const;
  int Height() const;
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);

  void Show();
  void Hide() { ShowWindow(handle_, SW_HIDE); }
  // The close sequence: OnClose with the action preset to hiding; the main
  // form then ends the application, any other form hides.
  void Close();

  std::function<void()> OnCreate;
  std::function<void(TCloseAction& action)> OnClose;
  std::function<void(int x, int y)> OnMouseMove;
  std::function<void()> OnResize;
  // A handler bound to a message number; the message's result is 0.
  void BindMessage(UINT message, std::function<void(WPARAM, LPARAM)> handler);
  // Runs `work` from the message queue, once the handler under way is done;
  // all the work queued before the queue is next read takes one message.
  void Later(std::function<void()> work);

  // While one lives, work queued with Later is posted only when the last
  // one ends: a handler that must pass its message on quickly keeps that trip
  // to the window server off its path.
  class LaterHold {
   public:
    explicit LaterHold(TForm& form) : form_(form) { ++form_.laterHolds_; }
    ~LaterHold() {
      --form_.laterHolds_;
      form_.PostLaterIfDue();
    }
    LaterHold(const LaterHold&) = delete;
    LaterHold& operator=(const LaterHold&) = delete;

   private:
    TForm& form_;
  };

 protected:
  template <class Component, class... Args>
  Component* Add(Args&&... args) {
    auto component = std::make_unique<Component>(*this, std::forward<Args>(args)...);
    Component* raw = component.get();
    components_.push_back(std::move(component));
    return raw;
  }

 private:
  friend class TControl;
  template <class Owner>
  friend LRESULT CALLBACK ObjectWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT Dispatch(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  RECT WindowRect() const;
  void Move(int left, int top, int width, int height);
  void RealignControls();
  bool AnswerToolTip(NMHDR& header);
  void PostLaterIfDue();
  void RunLater();

  HWND handle_ = nullptr;
  SIZE designClient_;
  GdiObject<HFONT> font_;
  std::unique_ptr<ToolTips> hints_;
  std::vector<HWND> toolTipsToAdd_;  // until hints_ is made
  std::vector<std::unique_ptr<TComponent>> components_;
  std::map<UINT, std::function<void(WPARAM, LPARAM)>> messageHandlers_;
  std::vector<std::function<void()>> later_;
  int laterHolds_ = 0;
  bool laterPosted_ = false;
  HWND lastFocus_ = nullptr;
  std::wstring toolTipWide_;  // the text a Unicode tool tip was last given
  bool destroying_ = false;
};

}  // namespace picoron::ui
