// Window subclassing: an object takes over an existing control's window procedure, sees every
// message first and hands what it does not consume to the control's previous procedure.
#pragma once

#include <windows.h>

namespace Panekin {

// The one procedure installed on every subclassed window. It hands each message to the object in
// the window's user data; a window without one (its object detached or not yet attached) gets
// its window class's own procedure.
LRESULT CALLBACK DispatchWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

class WindowProcedure {
 public:
  WindowProcedure(const WindowProcedure&) = delete;
  WindowProcedure& operator=(const WindowProcedure&) = delete;

  // Attaches the object to the window: the window's procedure becomes DispatchWindowProc and its
  // user data this object. An object attached elsewhere is detached from there first.
  void Subclass(HWND window);

  virtual LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;

  // The subclassed window; null before Subclass, after Detach and once the window is destroyed.
  HWND Window() const { return window_; }
  WNDPROC PreviousProc() const { return previousProc_; }

 protected:
  WindowProcedure() = default;
  // Not virtual: every object is destroyed through its own class. Detaches, so a message that
  // arrives after the object is gone never reaches freed memory.
  ~WindowProcedure();

  LRESULT CallPreviousProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // Gives the window back its previous procedure, unless something else has subclassed it since
  // (then DispatchWindowProc keeps routing it to the class procedure), and clears its user data.
  // Derived destructors call it before releasing what their WindowProc uses.
  void Detach();

 private:
  friend LRESULT CALLBACK DispatchWindowProc(HWND, UINT, WPARAM, LPARAM);

  HWND window_ = nullptr;
  WNDPROC previousProc_ = nullptr;
};

}  // namespace Panekin
