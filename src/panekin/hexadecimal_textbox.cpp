#include "panekin/hexadecimal_textbox.h"

#include <cstdint>

#include "panekin/hexadecimal_parser.h"

namespace Panekin {

HexadecimalTextbox::HexadecimalTextbox(HWND parent, HINSTANCE instance, int controlId)
    : FormatTextbox<unsigned long>(parent, instance, controlId) {
  SetFormat("%X");
}

bool HexadecimalTextbox::Parse(const char* text, unsigned long* value) {
  uint32_t parsed = 0;
  if (!ParseHexadecimal(text, &parsed)) return false;
  *value = parsed;
  return true;
}

void HexadecimalTextbox::SetDigits(int digits) {
  digits = ClampDigits(digits);
  SetTextLimit(digits);
  SetFormat(HexadecimalDigitsFormat(digits).text);
}

}  // namespace Panekin
