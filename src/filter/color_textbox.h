// The editor's colour entry: six hexadecimal digits holding 0xRRGGBB.
#pragma once

#include "filter/control_ids.h"
#include "model/stops.h"
#include "panekin/hexadecimal_textbox.h"

class ColorTextbox final : public Panekin::HexadecimalTextbox {
 public:
  static constexpr int kDigits = 6;

  ColorTextbox(HWND parent, HINSTANCE instance);
  ~ColorTextbox() = default;

  // The value's colour bytes; with rereadText, the text is read first as GetValue does.
  Rgb GetColor(bool rereadText);
};
