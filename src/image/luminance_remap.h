// The per-pixel pass of ColorReMap_Luminance: every pixel replaced, alpha
// included, by the table entry its luminance index selects.
#pragma once

#include <cstddef>
#include <cstdint>

#include "image/simd_dispatch.h"

constexpr int kLuminanceLevels = 4097;  // black is 0, white exactly 4096

// BT.601 weights scaled so that white lands on 4096; each channel has its own
// rounding constant.
inline uint32_t LuminanceIndex(uint32_t pixel) {
  const uint32_t r = (pixel >> 16) & 0xFF;
  const uint32_t g = (pixel >> 8) & 0xFF;
  const uint32_t b = pixel & 0xFF;
  return ((r * 4918 + 354) >> 10) + ((g * 9655 + 585) >> 10) + ((b * 1875 + 523) >> 10);
}

void RemapByLuminance(uint32_t* pixels, size_t count, const uint32_t table[kLuminanceLevels],
                      SimdPath path);
