// printf-style text of the text boxes' values, bounded and checked: a format is used only when it
// is a single conversion for the value's type, and a text only when it fits its buffer.
#pragma once

#include <cstddef>
#include <cstdint>

namespace Panekin {

constexpr std::size_t kTextCapacity = 256;    // text buffers, NUL included
constexpr std::size_t kFormatCapacity = 128;  // format fields, NUL included

struct TextBuffer {
  char text[kTextCapacity];
};

struct FormatBuffer {
  char text[kFormatCapacity];
};

enum class ValueKind { kUnsigned, kFloating };

// True when the format is literal text (with "%%" for a percent sign) around exactly one
// conversion for a value of this kind: x, X, u or o for kUnsigned; f, F, e, E, g, G, a or A for
// kFloating. Flags are allowed; width and precision must be digits of at most 255, since more
// could never fit a text buffer; "*", length modifiers and every other conversion are refused.
bool IsSingleConversionFormat(const char* format, ValueKind kind);

// The value formatted. False, with an empty text, when the format is not a single conversion for
// the value or the text would not fit the buffer.
bool FormatValue(const char* format, uint32_t value, TextBuffer* out);
bool FormatValue(const char* format, double value, TextBuffer* out);

// What a text box shows for a value: the value in the box's format, or, when that is impossible,
// in a form that always fits ("%X"; "%.17g", which keeps every bit of a double).
TextBuffer DisplayText(const char* format, uint32_t value);
TextBuffer DisplayText(const char* format, double value);

// Counts a box can be given: hexadecimal digits 1..255, decimals 0..255. Outside that the format
// would be malformed (a negative width or precision) or could never fit a text buffer.
int ClampDigits(int digits);
int ClampDecimals(int decimals);

// The zero-filled hexadecimal format of ClampDigits(digits) digits ("%06X" for 6) and the fixed
// format of ClampDecimals(decimals) decimals ("%.1f" for 1).
FormatBuffer HexadecimalDigitsFormat(int digits);
FormatBuffer DecimalsFormat(int decimals);

// Copies a format into a format field; false, with an empty field, when it does not fit.
bool CopyFormat(const char* format, FormatBuffer* out);

}  // namespace Panekin
