#include "panekin/window_procedure.h"

namespace Panekin {

namespace {

LONG_PTR DispatchAddress() { return reinterpret_cast<LONG_PTR>(&DispatchWindowProc); }

LRESULT CallClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LONG_PTR classProc = GetClassLongPtrA(window, GCLP_WNDPROC);
  if (classProc == 0 || classProc == DispatchAddress()) {
    return DefWindowProcA(window, message, wParam, lParam);
  }
  return CallWindowProcA(reinterpret_cast<WNDPROC>(classProc), window, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK DispatchWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* object = reinterpret_cast<WindowProcedure*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (object == nullptr) return CallClassProc(window, message, wParam, lParam);
  const LRESULT result = object->WindowProc(window, message, wParam, lParam);
  // The window is gone: its handle may soon name another window, which the object must not touch.
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    object->window_ = nullptr;
    object->previousProc_ = nullptr;
  }
  return result;
}

WindowProcedure::~WindowProcedure() { Detach(); }

void WindowProcedure::Subclass(HWND window) {
  Detach();
  window_ = window;
  previousProc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
  SetWindowLongPtrA(window, GWLP_WNDPROC, DispatchAddress());
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

LRESULT WindowProcedure::CallPreviousProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (previousProc_ == nullptr) return CallClassProc(window, message, wParam, lParam);
  return CallWindowProcA(previousProc_, window, message, wParam, lParam);
}

void WindowProcedure::Detach() {
  if (window_ == nullptr) return;
  if (IsWindow(window_)) {
    if (GetWindowLongPtrA(window_, GWLP_WNDPROC) == DispatchAddress() && previousProc_ != nullptr) {
      SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
    }
    if (GetWindowLongPtrA(window_, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this)) {
      SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    }
  }
  window_ = nullptr;
  previousProc_ = nullptr;
}

}  // namespace Panekin
