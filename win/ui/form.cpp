#include "form.h"

#include <commctrl.h>
#include <windowsx.h>

#include <iterator>
#include <stdexcept>

#include "entry_actions.h"
#include "text.h"
#include "window_proc.h"

namespace picoron::ui {
namespace {

constexpr wchar_t kWindowClass[] = L"PicoronForm";
constexpr wchar_t kFontName[] = L"\xff2d\xff33 \xff30\x30b4\x30b7\x30c3\x30af";  // ＭＳ Ｐゴシック
constexpr int kFontHeight = -12;
// Posted to a form to run the work queued with Later.
constexpr UINT kLaterMessage = WM_APP + 0x40;

void RegisterFormClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(windowClass.hInstance, L"MAINICON");
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass) != 0;
  }();
  if (!registered) throw std::runtime_error("cannot register the form window class");
}

HFONT CreateFormFont() {
  return CreateFontW(kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kFontName);
}

}  // namespace

TForm::TForm(TApplication& application, const FormDesign& design)
    : designClient_(design.designClient), font_(CreateFormFont()) {
  RegisterFormClass(ObjectWindowProc<TForm>);
  const std::wstring caption = Widen(design.captionUtf8);
  CreateWindowExW(design.stayOnTop ? WS_EX_TOPMOST : 0, kWindowClass, caption.c_str(),
                  WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, design.bounds.left, design.bounds.top, design.bounds.width,
                  design.bounds.height, application.Handle(), nullptr, GetModuleHandleW(nullptr), this);
  if (!handle_) throw std::runtime_error("cannot create a window");
  application.WhenIdle([this] {
    hints_ = std::make_unique<ToolTips>(handle_, font_.get());
    for (HWND control : toolTipsToAdd_) hints_->Add(control);
    toolTipsToAdd_.clear();
  });
}

void TForm::RelayToToolTip(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
  if (hints_ && message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) hints_->Relay(control, message, wparam, lparam);
}

void TForm::AddToolTip(HWND control) {
  if (hints_) {
    hints_->Add(control);
  } else {
    toolTipsToAdd_.push_back(control);
  }
}

TForm::~TForm() {
  destroying_ = true;
  hints_.reset();
  DestroyWindow(handle_);
}

int TForm::Width() const {
  const RECT r = WindowRect();
  return r.right - r.left;
}

int TForm::Height() const {
  const RECT r = WindowRect();
  return r.bottom - r.top;
}

POINT TForm::ClientOffset() const {
  POINT origin{0, 0};
  ClientToScreen(handle_, &origin);
  const RECT window = WindowRect();
  return POINT{origin.x - window.left, origin.y - window.top};
}

void TForm::SetLeft(int left) { Move(left, Top(), Width(), Height()); }
void TForm::SetTop(int top) { Move(Left(), top, Width(), Height()); }
void TForm::SetWidth(int width) { Move(Left(), Top(), width, Height()); }
void TForm::SetHeight(int height) { Move(Left(), Top(), Width(), height); }

void TForm::Show() {
  ShowWindow(handle_, SW_SHOW);
  SetForegroundWindow(handle_);
}

void TForm::Close() {
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(action);
  if (action == TCloseAction::caNone) return;
  if (Application->MainForm() == this) {
    Application->Terminate();
  } else if (action == TCloseAction::caHide) {
    Hide();
  }
}

void TForm::BindMessage(UINT message, std::function<void(WPARAM, LPARAM)> handler) {
  messageHandlers_[message] = std::move(handler);
}

void TForm::Later(std::function<void()> work) {
  later_.push_back(std::move(work));
  PostLaterIfDue();
}

void TForm::PostLaterIfDue() {
  if (laterHolds_ > 0 || laterPosted_ || later_.empty()) return;
  laterPosted_ = PostMessageW(handle_, kLaterMessage, 0, 0) != FALSE;
}

void TForm::RunLater() {
  laterPosted_ = false;
  // Taken out first: work queued while this runs gets a message of its own.
  std::vector<std::function<void()>> work;
  work.swap(later_);
  for (auto step = work.begin(); step != work.end(); ++step) {
    try {
      (*step)();
    } catch (...) {
      // The rest still runs, from a message of its own.
      later_.insert(later_.begin(), std::make_move_iterator(step + 1), std::make_move_iterator(work.end()));
      PostLaterIfDue();
      throw;
    }
  }
}

RECT TForm::WindowRect() const {
  RECT r{};
  GetWindowRect(handle_, &r);
  return r;
}

void TForm::Move(int left, int top, int width, int height) {
  const RECT now = WindowRect();
  if (now.left == left && now.top == top && now.right - now.left == width && now.bottom - now.top == height) return;
  SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::RealignControls() {
  RECT client{};
  GetClientRect(handle_, &client);
  for (auto& component : components_) {
    if (auto* control = dynamic_cast<TControl*>(component.get())) control->Realign(client.right, client.bottom);
  }
}

bool TForm::AnswerToolTip(NMHDR& header) {
  // A tool tip about to show asks for its control's text, in the character
  // set of the tool tip window.
  if (header.code != TTN_GETDISPINFOA && header.code != TTN_GETDISPINFOW) return false;
  for (auto& component : components_) {
    auto* control = dynamic_cast<TControl*>(component.get());
    if (!control || reinterpret_cast<UINT_PTR>(control->Handle()) != header.idFrom) continue;
    const std::string& text = control->ToolTipTextNow();
    if (header.code == TTN_GETDISPINFOA) {
      reinterpret_cast<NMTTDISPINFOA&>(header).lpszText = const_cast<char*>(text.c_str());
    } else {
      toolTipWide_ = WidenAnsi(text);
      reinterpret_cast<NMTTDISPINFOW&>(header).lpszText = toolTipWide_.data();
    }
    return true;
  }
  return false;
}

LRESULT TForm::Dispatch(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (!handle_) handle_ = window;
  if (destroying_) return DefWindowProcW(window, message, wparam, lparam);
  if (const auto handler = messageHandlers_.find(message); handler != messageHandlers_.end()) {
    handler->second(wparam, lparam);
    return 0;
  }
  switch (message) {
    case WM_CLOSE:
      Close();
      return 0;
    case kLaterMessage:
      RunLater();
      return 0;
    case WM_SIZE:
      RealignControls();
      if (OnResize) OnResize();
      return 0;
    case WM_MOUSEMOVE:
      if (OnMouseMove) OnMouseMove(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
      return 0;
    case WM_ACTIVATEAPP:
      Application->ActivationChanged(wparam != FALSE);
      break;
    case WM_NOTIFY:
      if (AnswerToolTip(*reinterpret_cast<NMHDR*>(lparam))) return 0;
      break;
    case WM_ACTIVATE:
      // Keep the focused control, so that coming back restores it.
      if (LOWORD(wparam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(window, focus)) lastFocus_ = focus;
      }
      break;
    case WM_SETFOCUS: {
      HWND target = lastFocus_ && IsWindow(lastFocus_) ? lastFocus_ : GetNextDlgTabItem(window, nullptr, FALSE);
      if (target) SetFocus(target);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

void TControl::SetHint(const std::string& hint) {
  hint_ = hint.empty() ? nullptr : std::make_shared<const std::string>(hint);
}

void TControl::SetHint(std::shared_ptr<const std::string> hint) { hint_ = std::move(hint); }

const std::string& TControl::ToolTipTextNow() {
  toolTip_ = hint_ ? ToolTipPreview(ToolTipText(*hint_)) : std::string();
  return toolTip_;
}

void TControl::Realign(int clientWidth, int clientHeight) {
  const SIZE design = Owner().DesignClient();
  const int dx = clientWidth - design.cx;
  const int dy = clientHeight - design.cy;
  Bounds b = design_;
  if (anchors_ & akRight) {
    if (anchors_ & akLeft) b.width += dx; else b.left += dx;
  }
  if (anchors_ & akBottom) {
    if (anchors_ & akTop) b.height += dy; else b.top += dy;
  }
  // A move to where the control already is still costs Wine a round of
  // messages and a repaint; every WM_SIZE asks for one per control.
  if (laidOut_ == b) return;
  MoveWindow(handle_, b.left, b.top, b.width, b.height, TRUE);
  laidOut_ = b;
}

int TControl::NewControlId() const { return 100 + Owner().ComponentCount(); }

void TControl::Attach(HWND handle) {
  if (!handle) throw std::runtime_error("cannot create a control");
  handle_ = handle;
  laidOut_ = design_;  // where it was created
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Owner().Font()), FALSE);
  Owner().AddToolTip(handle_);
  RECT client{};
  GetClientRect(Owner().Handle(), &client);
  Realign(client.right, client.bottom);
}

}  // namespace picoron::ui
