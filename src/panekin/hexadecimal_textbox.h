// A text box holding an unsigned 32-bit value typed in hexadecimal.
#pragma once

#include "panekin/format_textbox.h"

namespace Panekin {

// Shows its value as "%X" and takes up to 64 characters until SetDigits says otherwise.
class HexadecimalTextbox : public FormatTextbox<unsigned long> {
 public:
  HexadecimalTextbox(HWND parent, HINSTANCE instance, int controlId);
  ~HexadecimalTextbox() = default;

  bool Parse(const char* text, unsigned long* value) override;

  // At most `digits` characters, shown zero-filled to that width ("%06X" for 6). Counts outside
  // 1..255 are taken as the nearest of them: 0 would lift the edit control's limit altogether.
  void SetDigits(int digits);
};

}  // namespace Panekin
