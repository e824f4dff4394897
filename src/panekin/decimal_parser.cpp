#include "panekin/decimal_parser.h"

#include <limits>

namespace Panekin {

namespace {

// Fraction digits past this place cannot change a double result, and counting them would make
// 10^count infinite: "0." followed by hundreds of digits would give infinity / infinity.
constexpr int kMaxFractionDigits = std::numeric_limits<double>::max_exponent10;

}  // namespace

bool ParseDecimal(const char* text, double* value) {
  if (text == nullptr) return false;
  double sign = 1.0;
  // Held in doubles, not integers: ten or more digits must not wrap around.
  double integerPart = 0.0;
  double fractionDigits = 0.0;
  int fractionCount = 0;
  bool anySeen = false;
  bool pointSeen = false;
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c == '-' && !anySeen) {
      sign = -1.0;
    } else if (*c == '.' && !pointSeen) {
      pointSeen = true;
    } else if (*c >= '0' && *c <= '9') {
      const int digit = *c - '0';
      if (!pointSeen) {
        integerPart = integerPart * 10.0 + digit;
      } else if (fractionCount < kMaxFractionDigits) {
        fractionDigits = fractionDigits * 10.0 + digit;
        ++fractionCount;
      }
    } else {
      return false;
    }
    anySeen = true;
  }
  double scale = 1.0;
  for (int i = 0; i < fractionCount; ++i) scale *= 10.0;
  *value = (integerPart + fractionDigits / scale) * sign;
  return true;
}

}  // namespace Panekin
