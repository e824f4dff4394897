// One row of the property panel: a captioned group box around a control the caller owns, a
// number box and a colour box.
#pragma once

#include <windows.h>

#include "panekin/color_static_box.h"
#include "panekin/number_textbox.h"

namespace Panekin {

class PropertyGroup {
 public:
  static constexpr int kX = 8;
  static constexpr int kHeight = 46;

  // Control IDs from idBase: the group box idBase, the number box idBase + 2, the colour box
  // idBase + 3; idBase + 1 is left for the caller's control. The caption font stays the caller's.
  PropertyGroup(const char* caption, HWND parent, HINSTANCE instance, int y, int width, int idBase,
                HWND control, HFONT captionFont);
  // Destroys the number box and the colour box objects; no window is destroyed.
  ~PropertyGroup() = default;

  PropertyGroup(const PropertyGroup&) = delete;
  PropertyGroup& operator=(const PropertyGroup&) = delete;

  // Places all four controls for x = 8 and this y.
  void Move(int y);
  // Sizes the group box and places the two boxes for this width; the caller's control stays.
  void Resize(int width);
  // Enables or disables all four controls together.
  void Enable(bool enabled);

  HWND GroupBox() const { return groupBox_; }
  HWND Control() const { return control_; }
  NumberTextbox& NumberBox() { return numberBox_; }
  ColorStaticBox& ColorBox() { return colorBox_; }
  int X() const { return x_; }
  int Y() const { return y_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  void PlaceBoxes();

  HWND groupBox_;
  HWND control_;
  NumberTextbox numberBox_;
  ColorStaticBox colorBox_;
  int x_ = 0;
  int y_ = 0;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace Panekin
