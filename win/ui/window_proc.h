#pragma once

#include "application.h"
#include "win32.h"

namespace picoron::ui {

// The window procedure of each of our window classes: the object passed as
// the creation parameter is attached at WM_NCCREATE and detached at
// WM_NCDESTROY, and every message in between goes to Owner::Dispatch behind
// the exception firewall.
template <class Owner>
LRESULT CALLBACK ObjectWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  if (!owner || message == WM_NCDESTROY) return DefWindowProcW(window, message, wparam, lparam);
  LRESULT result = 0;
  if (!Guarded([&] { result = owner->Dispatch(window, message, wparam, lparam); })) return 0;
  return result;
}

}  // namespace picoron::ui
