#include "panekin/textbox_format.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace Panekin {

namespace {

constexpr int kLargestField = static_cast<int>(kTextCapacity) - 1;

// Reads a run of digits; false when it exceeds kLargestField.
bool ReadField(const char*& c) {
  int field = 0;
  for (; *c >= '0' && *c <= '9'; ++c) {
    field = field * 10 + (*c - '0');
    if (field > kLargestField) return false;
  }
  return true;
}

bool AcceptsConversion(char conversion, ValueKind kind) {
  const char* accepted = kind == ValueKind::kUnsigned ? "xXuo" : "fFeEgGaA";
  return conversion != '\0' && std::strchr(accepted, conversion) != nullptr;
}

// snprintf reports the length the text would have had; anything that did not fit is refused.
template <typename Value>
bool FormatChecked(const char* format, Value value, ValueKind kind, TextBuffer* out) {
  out->text[0] = '\0';
  if (!IsSingleConversionFormat(format, kind)) return false;
  const int length = std::snprintf(out->text, kTextCapacity, format, value);
  if (length < 0 || length > kLargestField) {
    out->text[0] = '\0';
    return false;
  }
  return true;
}

FormatBuffer Checked(int length, const FormatBuffer& format) {
  FormatBuffer result = format;
  if (length < 0 || length >= static_cast<int>(kFormatCapacity)) result.text[0] = '\0';
  return result;
}

}  // namespace

bool IsSingleConversionFormat(const char* format, ValueKind kind) {
  if (format == nullptr) return false;
  int conversions = 0;
  for (const char* c = format; *c != '\0'; ++c) {
    if (*c != '%') continue;
    ++c;
    if (*c == '%') continue;
    bool alternateForm = false;
    for (; *c != '\0' && std::strchr("-+ #0", *c) != nullptr; ++c) alternateForm |= *c == '#';
    if (!ReadField(c)) return false;
    if (*c == '.') {
      ++c;
      if (!ReadField(c)) return false;
    }
    if (!AcceptsConversion(*c, kind)) return false;
    if (alternateForm && *c == 'u') return false;  // undefined in C
    ++conversions;
  }
  return conversions == 1;
}

bool FormatValue(const char* format, uint32_t value, TextBuffer* out) {
  return FormatChecked(format, static_cast<unsigned int>(value), ValueKind::kUnsigned, out);
}

bool FormatValue(const char* format, double value, TextBuffer* out) {
  return FormatChecked(format, value, ValueKind::kFloating, out);
}

TextBuffer DisplayText(const char* format, uint32_t value) {
  TextBuffer text;
  if (!FormatValue(format, value, &text)) FormatValue("%X", value, &text);
  return text;
}

TextBuffer DisplayText(const char* format, double value) {
  TextBuffer text;
  if (!FormatValue(format, value, &text)) FormatValue("%.17g", value, &text);
  return text;
}

int ClampDigits(int digits) { return std::clamp(digits, 1, kLargestField); }

int ClampDecimals(int decimals) { return std::clamp(decimals, 0, kLargestField); }

FormatBuffer HexadecimalDigitsFormat(int digits) {
  FormatBuffer format;
  return Checked(std::snprintf(format.text, kFormatCapacity, "%%%s%dX", "0", ClampDigits(digits)),
                 format);
}

FormatBuffer DecimalsFormat(int decimals) {
  FormatBuffer format;
  return Checked(std::snprintf(format.text, kFormatCapacity, "%%.%df", ClampDecimals(decimals)),
                 format);
}

bool CopyFormat(const char* format, FormatBuffer* out) {
  out->text[0] = '\0';
  if (format == nullptr) return false;
  const std::size_t length = std::strlen(format);
  if (length >= kFormatCapacity) return false;
  std::memcpy(out->text, format, length + 1);
  return true;
}

}  // namespace Panekin
