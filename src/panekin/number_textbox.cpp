#include "panekin/number_textbox.h"

#include "panekin/decimal_parser.h"

namespace Panekin {

NumberTextbox::NumberTextbox(HWND parent, HINSTANCE instance, int controlId)
    : FormatTextbox<double>(parent, instance, controlId) {
  SetFormat("%.1f");
}

bool NumberTextbox::Parse(const char* text, double* value) { return ParseDecimal(text, value); }

void NumberTextbox::SetDecimals(int decimals) { SetFormat(DecimalsFormat(decimals).text); }

}  // namespace Panekin
