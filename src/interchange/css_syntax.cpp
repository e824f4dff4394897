#include "interchange/css_syntax.h"

#include <charconv>
#include <cmath>

#include "interchange/source_gradient.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Where a CSS number ends in the token: [+-]? (digits [. digits] | . digits)
// [e [+-] digits]. An "e" not followed by digits belongs to the unit ("1em").
struct NumberExtent {
  size_t mantissaEnd = 0;
  size_t end = 0;
  long exponent = 0;
};

std::optional<NumberExtent> ScanNumber(std::string_view s) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  const size_t digitsStart = i;
  while (i < s.size() && IsDigit(s[i])) ++i;
  bool anyDigits = i > digitsStart;
  if (i + 1 < s.size() && s[i] == '.' && IsDigit(s[i + 1])) {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i;
    anyDigits = true;
  }
  if (!anyDigits) return std::nullopt;
  NumberExtent extent;
  extent.mantissaEnd = i;
  extent.end = i;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    bool negative = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) negative = s[j++] == '-';
    if (j < s.size() && IsDigit(s[j])) {
      long exponent = 0;
      for (; j < s.size() && IsDigit(s[j]); ++j) {
        if (exponent < 100000) exponent = exponent * 10 + (s[j] - '0');
      }
      extent.exponent = negative ? -exponent : exponent;
      extent.end = j;
    }
  }
  return extent;
}

// The mantissa text times ten to the exponent, rounded once.
std::optional<double> DecimalValue(std::string_view s, const NumberExtent& extent, long shift) {
  std::string_view mantissa = s.substr(0, extent.mantissaEnd);
  if (!mantissa.empty() && mantissa[0] == '+') mantissa.remove_prefix(1);
  std::string text(mantissa);
  text += 'e';
  text += std::to_string(extent.exponent + shift);
  double value = 0.0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size() ||
      !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<CssDimension> ParseCssDimension(std::string_view token) {
  const std::optional<NumberExtent> extent = ScanNumber(token);
  if (!extent) return std::nullopt;
  const std::string_view unit = token.substr(extent->end);
  if (unit != "%") {
    for (char c : unit) {
      if (!IsAsciiLetter(c)) return std::nullopt;
    }
  }
  const std::optional<double> value = DecimalValue(token, *extent, 0);
  if (!value) return std::nullopt;
  return CssDimension{*value, AsciiLower(unit)};
}

std::optional<double> ParseCssPercentageFraction(std::string_view token) {
  const std::optional<NumberExtent> extent = ScanNumber(token);
  if (!extent || token.substr(extent->end) != "%") return std::nullopt;
  return DecimalValue(token, *extent, -2);
}

bool IsCssSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

std::string_view TrimCss(std::string_view text) {
  while (!text.empty() && IsCssSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsCssSpace(text.back())) text.remove_suffix(1);
  return text;
}

std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && AsciiLower(a) == AsciiLower(b);
}

CssPieces SplitCssTopLevel(std::string_view text, char separator) {
  CssPieces result;
  const bool bySpace = separator == ' ';
  int depth = 0;
  size_t start = 0;
  auto take = [&](size_t end) {
    const std::string_view piece = TrimCss(text.substr(start, end - start));
    if (!bySpace || !piece.empty()) result.pieces.push_back(piece);
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '(') {
      if (++depth > kMaxInterchangeNesting) return CssPieces{{}, false};
    } else if (c == ')') {
      if (--depth < 0) return CssPieces{{}, false};
    } else if (depth == 0 && (bySpace ? IsCssSpace(c) : c == separator)) {
      take(i);
      start = i + 1;
    }
  }
  if (depth != 0) return CssPieces{{}, false};
  take(text.size());
  return result;
}

std::string FormatCssNumber(double value, int decimals) {
  if (!std::isfinite(value)) value = 0.0;
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  std::string text(buffer, result.ec == std::errc() ? result.ptr : buffer);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text.empty() ? "0" : text;
}
