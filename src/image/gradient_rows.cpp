#include "image/gradient_rows.h"

#include <cmath>

#include "image/pixel_word.h"
#include "model/gradation_sampler.h"

namespace {

const float kLevelsPerPercent = 40.96f;

}  // namespace

double RemainderBy4097(float x) {
  const double v = x;
  if (std::fabs(v) < 4097.0) return v;  // the remainder of a smaller dividend is itself
  if (std::fabs(v) < 0x1p31) {
    // A float this large is a multiple of 2^-11, and so is v - q 4097: the product and the
    // difference are exact. A quotient that is not an integer stays 2^-11 / 4097 > 2^-24 away
    // from one, far beyond the division's rounding error (< 2^-33), so q is its integer part.
    const double q = static_cast<double>(static_cast<int32_t>(v / 4097.0));
    const double r = v - q * 4097.0;
    return r != 0.0 ? r : v * 0.0;  // a zero remainder keeps the dividend's sign
  }
  return std::fmod(v, 4097.0);
}

float LuminancePosition(int k, float scale, float offset) {
  const float x = static_cast<float>(static_cast<double>(k) * scale + offset);
  const float wrapped = static_cast<float>(RemainderBy4097(x));
  return static_cast<float>(static_cast<double>(wrapped) / kLevelsPerPercent);
}

namespace {

// Words for `count` positions produced by position(i), one batch at a time.
template <typename PositionOf>
void SampleWords(GradationSampler& sampler, int32_t count, PositionOf position, uint32_t* words) {
  constexpr int kBatch = GradationSampler::kBatch;
  float positions[kBatch], opacities[kBatch];
  uint32_t colors[kBatch];
  for (int32_t first = 0; first < count; first += kBatch) {
    const int n = count - first < kBatch ? static_cast<int>(count - first) : kBatch;
    for (int i = 0; i < n; ++i) positions[i] = position(first + i);
    sampler.EvaluateBatch(positions, n, colors, opacities);
    for (int i = 0; i < n; ++i) words[first + i] = PixelWord(colors[i], opacities[i]);
  }
}

}  // namespace

void BuildLuminanceTable(const GradationData& gradation, float exponent, float scale, float offset,
                         uint32_t table[kLuminanceLevels]) {
  GradationSampler sampler(gradation, exponent);
  SampleWords(
      sampler, kLuminanceLevels,
      [scale, offset](int32_t k) { return LuminancePosition(k, scale, offset); }, table);
}

void FillGradationRow(const GradationData& gradation, float exponent, float step, float start,
                      uint32_t* row, int32_t width) {
  GradationSampler sampler(gradation, exponent);
  SampleWords(
      sampler, width, [step, start](int32_t x) { return ColumnPosition(x, step, start); }, row);
}
