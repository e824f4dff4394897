#include "image/image_passes.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "image/gradient_rows.h"
#include "image/luminance_remap.h"
#include "image/row_bands.h"
#include "image/simd_dispatch.h"

namespace {

// Rows that each receive a copy of `source`.
struct RowCopy {
  const uint32_t* source;
  uint32_t* rows;
  size_t width;
};

void CopyRows(const void* context, int32_t first, int32_t end) {
  const auto& copy = *static_cast<const RowCopy*>(context);
  for (int32_t y = first; y < end; ++y) {
    std::memcpy(copy.rows + static_cast<size_t>(y) * copy.width, copy.source,
                copy.width * sizeof(uint32_t));
  }
}

struct Remap {
  uint32_t* pixels;
  size_t rowPixels;
  const uint32_t* table;
  SimdPath path;
};

void RemapRows(const void* context, int32_t first, int32_t end) {
  const auto& remap = *static_cast<const Remap*>(context);
  RemapByLuminance(remap.pixels + static_cast<size_t>(first) * remap.rowPixels,
                   static_cast<size_t>(end - first) * remap.rowPixels, remap.table, remap.path);
}

// A buffer given by its pixel count alone is banded as rows of this many.
constexpr size_t kCountRowPixels = 4096;

}  // namespace

void PaintGradationImage(const GradationData& gradation, float exponent, float start, float end,
                         uint32_t* pixels, int32_t width, int32_t height, BandPool& pool) {
  if (width <= 0 || height <= 0) return;
  const float step = static_cast<float>((static_cast<double>(end) - start) / width);
  FillGradationRow(gradation, exponent, step, start, pixels, width);
  // Every row equals the first; whole-row copies keep memory order in each band.
  const RowCopy copy = {pixels, pixels + width, static_cast<size_t>(width)};
  pool.Run(CopyRows, &copy, width, height - 1, kFillMinParallelPixels);
}

void PaintGradationImage(const GradationData& gradation, float exponent, float start, float end,
                         uint32_t* pixels, int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return;
  PaintGradationImage(gradation, exponent, start, end, pixels, width, height, SharedBandPool());
}

void RecolorByLuminance(const GradationData& gradation, float exponent, float scale, float offset,
                        uint32_t* pixels, int32_t width, int32_t height, BandPool& pool) {
  uint32_t table[kLuminanceLevels];
  BuildLuminanceTable(gradation, exponent, scale, offset, table);
  if (width <= 0 || height <= 0) return;
  const Remap remap = {pixels, static_cast<size_t>(width), table, FastestSimdPath()};
  pool.Run(RemapRows, &remap, width, height, kRecolorMinParallelPixels);
}

void RecolorByLuminance(const GradationData& gradation, float exponent, float scale, float offset,
                        uint32_t* pixels, int32_t width, int32_t height) {
  RecolorByLuminance(gradation, exponent, scale, offset, pixels, width, height, SharedBandPool());
}

void RecolorByLuminance(const GradationData& gradation, float exponent, float scale, float offset,
                        uint32_t* pixels, size_t count) {
  uint32_t table[kLuminanceLevels];
  BuildLuminanceTable(gradation, exponent, scale, offset, table);
  // Whole rows in bands, then the rest on this thread.
  const size_t rows = std::min<size_t>(count / kCountRowPixels, INT32_MAX);
  const Remap remap = {pixels, kCountRowPixels, table, FastestSimdPath()};
  SharedBandPool().Run(RemapRows, &remap, static_cast<int64_t>(kCountRowPixels),
                       static_cast<int32_t>(rows), kRecolorMinParallelPixels);
  const size_t done = rows * kCountRowPixels;
  if (count > done) RemapByLuminance(pixels + done, count - done, table, remap.path);
}
