// The small pieces of CSS syntax the gradient and colour readers share:
// numbers with units, case-insensitive words, and splitting at the top level
// of parentheses. SVG attribute values use the same number syntax.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A number and what follows it: "%" for percentages, a lower-case unit such
// as "px" or "deg", or nothing for a plain number.
struct CssDimension {
  double value = 0.0;
  std::string unit;
};

// The whole token must be a finite number with an optional unit; "12.5%"
// gives 12.5 and "%". Nothing else, not even surrounding spaces.
std::optional<CssDimension> ParseCssDimension(std::string_view token);

// A percentage as a fraction, converted from the decimal text in one step,
// so that "12.3%" gives exactly the double nearest to 0.123.
std::optional<double> ParseCssPercentageFraction(std::string_view token);

bool IsCssSpace(char c);
std::string_view TrimCss(std::string_view text);
std::string AsciiLower(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Splits at the separator where no parenthesis is open; a space separator
// splits at runs of white space and drops empty pieces. Empty when the text
// nests parentheses deeper than kMaxInterchangeNesting or closes one it never
// opened.
struct CssPieces {
  std::vector<std::string_view> pieces;
  bool ok = true;
};
CssPieces SplitCssTopLevel(std::string_view text, char separator);

// Shortest fixed-point text of value with at most `decimals` decimals,
// independent of the process locale: 50 -> "50", 0.125 -> "0.125".
std::string FormatCssNumber(double value, int decimals);
