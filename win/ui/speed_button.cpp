#include "speed_button.h"

#include <windowsx.h>

#include <stdexcept>

#include "form.h"
#include "handles.h"
#include "text.h"
#include "window_proc.h"

namespace picoron::ui {
namespace {

constexpr wchar_t kWindowClass[] = L"PicoronSpeedButton";

void RegisterButtonClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass) != 0;
  }();
  if (!registered) throw std::runtime_error("cannot register the button window class");
}

bool ContainsPoint(HWND window, LPARAM lparam) {
  RECT client{};
  GetClientRect(window, &client);
  const POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  return PtInRect(&client, point) != FALSE;
}

}  // namespace

TSpeedButton::TSpeedButton(TForm& owner, Bounds design, unsigned anchors, const char* captionUtf8)
    : TControl(owner, design, anchors) {
  RegisterButtonClass(ObjectWindowProc<TSpeedButton>);
  const std::wstring caption = Widen(captionUtf8);
  Attach(CreateWindowExW(0, kWindowClass, caption.c_str(), WS_CHILD | WS_VISIBLE, design.left, design.top,
                         design.width, design.height, owner.Handle(),
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(NewControlId())), GetModuleHandleW(nullptr),
                         this));
}

void TSpeedButton::SetDown(bool down) {
  if (down_ == down) return;
  down_ = down;
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TSpeedButton::Click() {
  if (GroupIndex != 0) SetDown(AllowAllUp ? !down_ : true);
  if (OnClick) OnClick(*this);
}

LRESULT TSpeedButton::Dispatch(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  Owner().RelayToToolTip(window, message, wparam, lparam);
  switch (message) {
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = true;
      SetCapture(window);
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_LBUTTONUP: {
      const bool click = pressed_ && ContainsPoint(window, lparam);
      pressed_ = false;
      if (GetCapture() == window) ReleaseCapture();
      InvalidateRect(window, nullptr, TRUE);
      if (click) Click();
      return 0;
    }
    case WM_CAPTURECHANGED:
      pressed_ = false;
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_MOUSEMOVE:
      if (!hot_) {
        hot_ = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        InvalidateRect(window, nullptr, TRUE);
      }
      return 0;
    case WM_MOUSELEAVE:
      hot_ = false;
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    case BM_GETCHECK:
      // Lets accessibility tools and tests read the toggle's state.
      return down_ ? BST_CHECKED : BST_UNCHECKED;
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(window, message, wparam, lparam);
      InvalidateRect(window, nullptr, TRUE);
      return result;
    }
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

namespace {

// A toggle that is down shows a checkered face, face colour and highlight in
// turn, so that its state can be seen at a glance.
GdiObject<HBRUSH> CheckeredBrush() {
  struct {
    BITMAPINFOHEADER header;
    DWORD pixels[64];
  } pattern{};
  pattern.header = {sizeof(BITMAPINFOHEADER), 8, 8, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  const COLORREF face = GetSysColor(COLOR_BTNFACE), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  for (int i = 0; i < 64; ++i) {
    const COLORREF c = (i / 8 + i % 8) % 2 ? light : face;
    pattern.pixels[i] = (DWORD{GetRValue(c)} << 16) | (DWORD{GetGValue(c)} << 8) | GetBValue(c);
  }
  return GdiObject<HBRUSH>(CreateDIBPatternBrushPt(&pattern, DIB_RGB_COLORS));
}

}  // namespace

void TSpeedButton::Paint(HWND window) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window, &paint);
  RECT r{};
  GetClientRect(window, &r);
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  // Flat until the pointer is over it; pressed or down shows sunken.
  const bool sunken = down_ || (pressed_ && hot_);
  if (down_ && !pressed_) {
    RECT face = r;
    InflateRect(&face, -1, -1);
    FillRect(dc, &face, CheckeredBrush().get());
  }
  if (sunken) {
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
  } else if (hot_) {
    DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
  }
  wchar_t caption[64] = {};
  GetWindowTextW(window, caption, 64);
  {
    SelectObjectGuard font(dc, Owner().Font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    if (sunken) OffsetRect(&r, 1, 1);
    DrawTextW(dc, caption, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  EndPaint(window, &paint);
}

}  // namespace picoron::ui
