// A text box holding a decimal number.
#pragma once

#include "panekin/format_textbox.h"

namespace Panekin {

// Shows its value with one decimal ("%.1f") until SetDecimals says otherwise.
class NumberTextbox final : public FormatTextbox<double> {
 public:
  NumberTextbox(HWND parent, HINSTANCE instance, int controlId);
  ~NumberTextbox() = default;

  bool Parse(const char* text, double* value) override;

  // Shows `decimals` decimals ("%.2f" for 2). Counts outside 0..255 are taken as the nearest of
  // them: a negative precision would make a malformed format.
  void SetDecimals(int decimals);
};

}  // namespace Panekin
