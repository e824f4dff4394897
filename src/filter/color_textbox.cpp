#include "filter/color_textbox.h"

#include <cstdint>

ColorTextbox::ColorTextbox(HWND parent, HINSTANCE instance)
    : Panekin::HexadecimalTextbox(parent, instance, kColorEntryId) {
  SetDigits(kDigits);
}

Rgb ColorTextbox::GetColor(bool rereadText) {
  const unsigned long value = rereadText ? GetValue() : Value();
  return RgbFromPacked(static_cast<uint32_t>(value));
}
