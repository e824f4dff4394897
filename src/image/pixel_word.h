// The 0xAARRGGBB word the image functions write for a gradation position.
#pragma once

#include <cstdint>

#include "model/evaluate.h"

// From a colour and opacity as EvaluateColor and EvaluateOpacity give them.
inline uint32_t PixelWord(uint32_t color, float opacity) {
  // Opacity 100 gives 254: 2.55 is a little below its decimal value.
  const uint32_t alpha =
      static_cast<uint32_t>(TruncateToInt32(static_cast<double>(opacity) * 2.55)) & 0xFFu;
  return alpha << 24 | (color & 0x00FFFFFFu);
}

inline uint32_t PixelWord(const GradationData& gradation, float position, float exponent) {
  return PixelWord(EvaluateColor(gradation, position, exponent),
                   EvaluateOpacity(gradation, position, exponent));
}
