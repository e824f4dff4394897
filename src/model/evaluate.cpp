#include "model/evaluate.h"

#include <vector>

#include "model/evaluate_steps.h"

using namespace evaluate_steps;

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
  return InterpolateColor(left, right, w);
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
  if (exponent == 1.0f) return LinearOpacity(left, right, t);
  return CurvedOpacity(left, right, CurveWeight(t, exponent));
}
