// Decimal text as the number boxes accept it: what a user types on the way to a number.
#pragma once

namespace Panekin {

// An optional "-" as the first character, digits, and at most one "." anywhere after it. The
// texts "", "." and "-" are valid on the way to a number and give 0.0, 0.0 and -0.0. Anything
// else ("+5", "1e3", spaces, a second "-" or ".") makes the text invalid: false, and *value is
// left as it was. The result is (integer part + fraction digits / 10^count) x sign in double
// precision, so a text of up to fifteen significant digits gives the double nearest to it.
bool ParseDecimal(const char* text, double* value);

}  // namespace Panekin
