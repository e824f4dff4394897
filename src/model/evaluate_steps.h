// The steps of evaluating one track, shared by the per-call evaluators and the
// sampler that walks many positions, so that both round identically.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "model/curve_power.h"
#include "model/evaluate.h"
#include "model/stops.h"

namespace evaluate_steps {

// Where x falls among the active stops of one track.
struct Bracket {
  int32_t left = -1;   // last active stop at or before x, or -1
  int32_t right = -1;  // first active stop after left, or -1
};

// The first active stop after `left` (-1 for none).
template <typename Stop>
int32_t NextActive(const std::vector<Stop>& stops, int32_t left) {
  const int32_t count = static_cast<int32_t>(stops.size());
  for (int32_t i = left + 1; i < count; ++i) {
    if (stops[static_cast<size_t>(i)].active) return i;
  }
  return -1;
}

// Scans from the first stop to the first one beyond x, whatever order the list is in.
template <typename Stop>
Bracket FindBracket(const std::vector<Stop>& stops, float x) {
  Bracket bracket;
  const int32_t count = static_cast<int32_t>(stops.size());
  for (int32_t i = 0; i < count && !(stops[static_cast<size_t>(i)].position > x); ++i) {
    if (stops[static_cast<size_t>(i)].active) bracket.left = i;
  }
  bracket.right = NextActive(stops, bracket.left);
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

inline float Fraction(float x, float left, float right) {
  return static_cast<float>((static_cast<double>(x) - left) / (static_cast<double>(right) - left));
}

// The curve's base for t: 2t up to the midpoint, 2(1 - t) beyond it.
inline double CurveBase(float t) {
  return t <= 0.5f ? 2.0 * t : 2.0 * (1.0 - static_cast<double>(t));
}

// The same base in float arithmetic, for t in [0, 1]: exactly CurveBase(t) there,
// as doubling is exact and 1 - t is (Sterbenz) for t >= 0.5.
inline float CurveBaseFloat(float t) { return t <= 0.5f ? 2.0f * t : 2.0f * (1.0f - t); }

// The weight from the base's power, mirrored beyond the midpoint.
inline double WeightFromPower(float t, double power) {
  return t <= 0.5f ? 0.5 * power : 1.0 - 0.5 * power;
}

inline double CurveWeight(float t, float exponent) {
  return WeightFromPower(t, CurvePower(CurveBase(t), exponent));
}

// floor(a + w (b - a) + 0.5) in double, as every interpolation rounds.
inline double RoundedBlend(double a, double difference, double w) {
  return std::floor(a + w * difference + 0.5);
}

inline uint32_t InterpolateComponent(uint8_t a, uint8_t b, double w) {
  const double value = RoundedBlend(a, static_cast<int32_t>(b) - static_cast<int32_t>(a), w);
  return static_cast<uint32_t>(TruncateToInt32(value)) & 0xFFu;
}

inline uint32_t ColorWord(const ColorStop& stop) { return 0xFF000000u | PackedFromStop(stop); }

inline uint32_t InterpolateColor(const ColorStop& left, const ColorStop& right, double w) {
  return 0xFF000000u | InterpolateComponent(left.red, right.red, w) << 16 |
         InterpolateComponent(left.green, right.green, w) << 8 |
         InterpolateComponent(left.blue, right.blue, w);
}

inline float LinearOpacity(const AlphaStop& left, const AlphaStop& right, float t) {
  const double a = left.opacity;
  const double b = right.opacity;
  return static_cast<float>(a + (b - a) * t);
}

inline float CurvedOpacity(const AlphaStop& left, const AlphaStop& right, double w) {
  const double a = left.opacity;
  const double b = right.opacity;
  return static_cast<float>(RoundedBlend(a, b - a, w));
}

}  // namespace evaluate_steps
