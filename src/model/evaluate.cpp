#include "model/evaluate.h"

#include <cmath>
#include <vector>

#include "model/curve_power.h"

int32_t TruncateToInt32(double value) {
  if (!(value > -2147483649.0 && value < 2147483648.0)) return INT32_MIN;
  return static_cast<int32_t>(value);
}

namespace {

// Where x falls among the active stops of one track.
struct Bracket {
  int32_t left = -1;   // last active stop at or before x, or -1
  int32_t right = -1;  // first active stop after left, or -1
};

template <typename Stop>
Bracket FindBracket(const std::vector<Stop>& stops, float x) {
  Bracket bracket;
  const int32_t count = static_cast<int32_t>(stops.size());
  int32_t i = 0;
  for (; i < count && !(stops[static_cast<size_t>(i)].position > x); ++i) {
    if (stops[static_cast<size_t>(i)].active) bracket.left = i;
  }
  for (i = bracket.left + 1; i < count; ++i) {
    if (stops[static_cast<size_t>(i)].active) {
      bracket.right = i;
      break;
    }
  }
  return bracket;
}

// The stop whose value stands before the first active stop.
template <typename Stop>
const Stop& LeadingStop(const std::vector<Stop>& stops, const Stop& fallback) {
  if (stops.empty()) return fallback;
  for (const Stop& stop : stops) {
    if (stop.active) return stop;
  }
  return stops.front();
}

float Fraction(float x, float left, float right) {
  return static_cast<float>((static_cast<double>(x) - left) / (static_cast<double>(right) - left));
}

double CurveWeight(float t, float exponent) {
  const double p = exponent;
  if (t <= 0.5f) return 0.5 * CurvePower(2.0 * t, p);
  return 1.0 - 0.5 * CurvePower(2.0 * (1.0 - static_cast<double>(t)), p);
}

uint32_t InterpolateComponent(uint8_t a, uint8_t b, double w) {
  const double value =
      std::floor(a + w * (static_cast<int32_t>(b) - static_cast<int32_t>(a)) + 0.5);
  return static_cast<uint32_t>(TruncateToInt32(value)) & 0xFFu;
}

uint32_t ColorWord(const ColorStop& stop) { return 0xFF000000u | PackedFromStop(stop); }

}  // namespace

uint32_t EvaluateColor(const GradationData& gradation, float position, float exponent) {
  const std::vector<ColorStop>& stops = gradation.colorStops;
  Bracket bracket = FindBracket(stops, position);
  if (bracket.left < 0) return ColorWord(LeadingStop(stops, EmptyColorStop()));
  if (bracket.right < 0) bracket.right = bracket.left;
  const ColorStop& left = stops[static_cast<size_t>(bracket.left)];
  const ColorStop& right = stops[static_cast<size_t>(bracket.right)];
  if (left.position == right.position) return ColorWord(right);

  const float t = Fraction(position, left.position, right.position);
  const double w = exponent == 1.0f ? static_cast<double>(t) : CurveWeight(t, exponent);
  return 0xFF000000u | InterpolateComponent(left.red, right.red, w) << 16 |
         InterpolateComponent(left.green, right.green, w) << 8 |
         InterpolateComponent(left.blue, right.blue, w);
}

float EvaluateOpacity(const GradationData& gradation, float position, float exponent) {
  const std::vector<AlphaStop>& stops = gradation.alphaStops;
  Bracket bracket = FindBracket(stops, position);
  if (bracket.left < 0) return LeadingStop(stops, EmptyAlphaStop()).opacity;
  if (bracket.right < 0) bracket.right = bracket.left;
  const AlphaStop& left = stops[static_cast<size_t>(bracket.left)];
  const AlphaStop& right = stops[static_cast<size_t>(bracket.right)];
  if (left.position == right.position) return right.opacity;

  const float t = Fraction(position, left.position, right.position);
  const double a = left.opacity;
  const double b = right.opacity;
  if (exponent == 1.0f) return static_cast<float>(a + (b - a) * t);
  return static_cast<float>(std::floor(a + CurveWeight(t, exponent) * (b - a) + 0.5));
}
