// Where the image functions sample a gradation, and the words they sample.
#pragma once

#include <cstddef>
#include <cstdint>

#include "image/luminance_remap.h"
#include "model/gradation.h"
#include "model/gradation_sampler.h"

// fmod(x, 4097), exactly, without the library call for the usual magnitudes.
double RemainderBy4097(float x);

// The position luminance table entry k stands for, with the offset in index units.
float LuminancePosition(int k, float scale, float offset);

// Entry k is the pixel word at LuminancePosition(k, scale, offset).
void BuildLuminanceTable(const GradationData& gradation, float exponent, float scale, float offset,
                         uint32_t table[kLuminanceLevels]);

// Column x of an image filled from `start` in steps of `step`.
inline float ColumnPosition(int32_t x, float step, float start) {
  return static_cast<float>(static_cast<double>(x) * step + start);
}

// Row[x] = the pixel word at ColumnPosition(x, step, start) for x < width.
void FillGradationRow(const GradationData& gradation, float exponent, float step, float start,
                      uint32_t* row, int32_t width);
