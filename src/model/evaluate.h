// Colour and opacity of a gradation at a position, for a curve exponent.
#pragma once

#include <cstdint>

#include "model/gradation.h"

// The exponent the editor always uses: the single-precision value of 4/3.
constexpr float kEditorCurveExponent = 4.0f / 3.0f;

// 0xFFRRGGBB. Positions outside all stops give the first or last active stop.
uint32_t EvaluateColor(const GradationData& gradation, float position, float exponent);

// Percent. Whole numbers for any exponent but exactly 1.0, which interpolates linearly.
float EvaluateOpacity(const GradationData& gradation, float position, float exponent);

// x86's truncating conversion, defined for every input: NaN and values outside
// int32 give INT32_MIN. Callers use the low bits, as the hardware result has them.
inline int32_t TruncateToInt32(double value) {
  if (!(value > -2147483649.0 && value < 2147483648.0)) return INT32_MIN;
  return static_cast<int32_t>(value);
}
