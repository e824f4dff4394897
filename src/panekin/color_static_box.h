// A small framed box filled with one colour: a subclassed static control.
#pragma once

#include <windows.h>

#include <cstdint>

#include "panekin/window_procedure.h"

namespace Panekin {

class ColorStaticBox final : public WindowProcedure {
 public:
  // Creates the box as a child of the parent with the control ID; a click on it reaches the
  // parent as a WM_COMMAND with that ID.
  ColorStaticBox(HWND parent, HINSTANCE instance, int controlId);
  // Deletes the brush. The window stays, a plain static control again: it dies with its parent.
  ~ColorStaticBox();

  // Takes 0xRRGGBB, replaces the brush and repaints; the colour it already has changes nothing.
  void SetColor(uint32_t color);

  // Fills the box with the brush while the window is enabled; everything else, and painting
  // while disabled or before the first SetColor, is the static control's own.
  LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

  HWND BoxWindow() const { return boxWindow_; }
  uint8_t Red() const { return red_; }
  uint8_t Green() const { return green_; }
  uint8_t Blue() const { return blue_; }
  HBRUSH Brush() const { return brush_; }

 private:
  HWND boxWindow_ = nullptr;
  uint8_t red_ = 0;
  uint8_t green_ = 0;
  uint8_t blue_ = 0;
  HBRUSH brush_ = nullptr;
};

}  // namespace Panekin
