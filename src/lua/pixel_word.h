// The 0xAARRGGBB word the image functions write for a gradation position.
#pragma once

#include <cstdint>

#include "model/evaluate.h"

inline uint32_t PixelWord(const GradationData& gradation, float position, float exponent) {
  const uint32_t color = EvaluateColor(gradation, position, exponent);
  const double opacity = EvaluateOpacity(gradation, position, exponent);
  // Opacity 100 gives 254: 2.55 is a little below its decimal value.
  const uint32_t alpha = static_cast<uint32_t>(TruncateToInt32(opacity * 2.55)) & 0xFFu;
  return alpha << 24 | (color & 0x00FFFFFFu);
}
