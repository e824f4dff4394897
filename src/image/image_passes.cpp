#include "image/image_passes.h"

#include <cstring>

#include "image/gradient_rows.h"
#include "image/luminance_remap.h"
#include "image/simd_dispatch.h"

void PaintGradationImage(const GradationData& gradation, float exponent, float start, float end,
                         uint32_t* pixels, int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return;
  const float step = static_cast<float>((static_cast<double>(end) - start) / width);
  FillGradationRow(gradation, exponent, step, start, pixels, width);
  // Every row equals the first; copying whole rows keeps memory order.
  const size_t rowBytes = static_cast<size_t>(width) * sizeof(uint32_t);
  for (int32_t y = 1; y < height; ++y) {
    std::memcpy(pixels + static_cast<size_t>(y) * static_cast<size_t>(width), pixels, rowBytes);
  }
}

void RecolorByLuminance(const GradationData& gradation, float exponent, float scale, float offset,
                        uint32_t* pixels, size_t count) {
  uint32_t table[kLuminanceLevels];
  BuildLuminanceTable(gradation, exponent, scale, offset, table);
  if (count > 0) RemapByLuminance(pixels, count, table, FastestSimdPath());
}
