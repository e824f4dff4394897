#include "editor/canvas_raster.h"

#include <algorithm>

#include "model/evaluate.h"
#include "model/gradation_sampler.h"

namespace {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kLightGrey = 0xCCCCCC;

// Marker pixel maps, nine columns centred on the stop's column. K black,
// W white, G light grey, S the stop's swatch, '.' untouched. The bevels differ:
// the colour marker's second row is white to +3, the transparency marker's
// matching row grey at +3.
const char* const kColorMarker[] = {
    "KKKKKKKKK", "KWWWWWWWK", "KWSSSSSGK", "KWSSSSSGK", "KWSSSSSGK", "KWSSSSSGK",
    "KWSSSSSGK", "KWWGGGGGK", ".KWWWWGK.", "..KWWGK..", "...KGK...", "....K....",
};
const char* const kAlphaMarker[] = {
    "....K....", "...KGK...", "..KWWGK..", ".KWWWWGK.", "KWWWWWWGK", "KWSSSSSGK",
    "KWSSSSSGK", "KWSSSSSGK", "KWSSSSSGK", "KWSSSSSGK", "KWWGGGGGK", "KKKKKKKKK",
};

class Painter {
 public:
  explicit Painter(CanvasRaster& raster) : raster_(raster) {}

  // Clipped to the raster, like drawing off the edge of a bitmap.
  void Set(int64_t x, int64_t y, uint32_t color) {
    if (x < 0 || x >= raster_.width || y < kCanvasTop || y >= kCanvasBottom) return;
    raster_.pixels[static_cast<size_t>(y - kCanvasTop) * static_cast<size_t>(raster_.width) +
                   static_cast<size_t>(x)] = color;
  }

 private:
  CanvasRaster& raster_;
};

uint32_t LowByteOf(double value) { return static_cast<uint32_t>(TruncateToInt32(value)) & 0xFF; }

// Single-precision arithmetic, as the float opacity and integer channel give.
uint32_t Blend(float alpha, uint32_t color, int32_t level) {
  uint32_t out = 0;
  for (int shift : {16, 8, 0}) {
    const int32_t c = static_cast<int32_t>((color >> shift) & 0xFF);
    const float blended = alpha * static_cast<float>(c - level) + static_cast<float>(level);
    out |= LowByteOf(blended) << shift;
  }
  return out;
}

void DrawFrame(Painter& painter, int32_t width) {
  const int32_t right = width - kBarRightInset;
  for (int32_t x = kBarLeft; x <= right; ++x) {
    painter.Set(x, kBarTop, kBlack);
    painter.Set(x, kBarBottom - 1, kBlack);
  }
  if (right < kBarLeft) return;
  for (int32_t y = kBarTop; y < kBarBottom; ++y) {
    painter.Set(kBarLeft, y, kBlack);
    painter.Set(right, y, kBlack);
  }
}

// Column i of a gradation: its colour, plain where opaque, else blended over
// the light and dark cells of an 8-pixel checkerboard.
struct Column {
  int32_t i;
  uint32_t light;
  uint32_t dark;

  uint32_t At(int32_t j) const { return (i / 8 + j / 8) % 2 == 1 ? dark : light; }
};

Column MakeColumn(int32_t i, uint32_t color, float alpha) {
  if (alpha >= 1.0f) return {i, color, color};
  return {i, Blend(alpha, color, 255), Blend(alpha, color, 204)};
}

// Calls draw(column) for each of n columns spread over 0..100.
// The sampler gives the evaluators' exact values several times faster: a drag
// repaints the bar at every mouse move.
template <typename Draw>
void ForEachColumn(const GradationData& gradation, int32_t n, Draw&& draw) {
  if (n <= 0) return;
  const double columns = static_cast<float>(n);
  GradationSampler sampler(gradation, kEditorCurveExponent);
  constexpr int kBatch = GradationSampler::kBatch;
  float positions[kBatch], opacities[kBatch];
  uint32_t colors[kBatch];
  for (int32_t first = 0; first < n; first += kBatch) {
    const int count = static_cast<int>(std::min<int32_t>(kBatch, n - first));
    for (int k = 0; k < count; ++k) {
      positions[k] = static_cast<float>((first + k) * 100.0 / columns);
    }
    sampler.EvaluateBatch(positions, count, colors, opacities);
    for (int k = 0; k < count; ++k) {
      draw(MakeColumn(first + k, colors[k] & 0xFFFFFF, static_cast<float>(opacities[k] / 100.0)));
    }
  }
}

void DrawGradationBar(Painter& painter, const GradationData& gradation, int32_t width) {
  ForEachColumn(gradation, width - kInteriorInset, [&](const Column& column) {
    for (int32_t j = 0; j < kInteriorRows; ++j) {
      painter.Set(kInteriorLeft + column.i, kInteriorTop + j, column.At(j));
    }
  });
}

void DrawMarker(Painter& painter, const char* const map[], int32_t top, int64_t centre,
                uint32_t swatch) {
  for (int32_t row = 0; row < kMarkerRows; ++row) {
    for (int32_t column = 0; column < kMarkerColumns; ++column) {
      uint32_t color;
      switch (map[row][column]) {
        case 'K':
          color = kBlack;
          break;
        case 'W':
          color = kWhite;
          break;
        case 'G':
          color = kLightGrey;
          break;
        case 'S':
          color = swatch;
          break;
        default:
          continue;
      }
      painter.Set(centre - kMarkerColumns / 2 + column, top + row, color);
    }
  }
}

void DrawColorMarker(Painter& painter, const ColorStop& stop, int32_t markerWidth) {
  const int64_t centre = static_cast<int64_t>(StopToX(markerWidth, stop.position));
  DrawMarker(painter, kColorMarker, kColorMarkerTop, centre, PackedFromStop(stop));
}

void DrawAlphaMarker(Painter& painter, const AlphaStop& stop, int32_t markerWidth) {
  const uint32_t grey = LowByteOf(stop.opacity * 255.0f / 100.0f);
  const int64_t centre = static_cast<int64_t>(StopToX(markerWidth, stop.position));
  DrawMarker(painter, kAlphaMarker, kAlphaMarkerTop, centre, grey << 16 | grey << 8 | grey);
}

}  // namespace

int32_t StopToX(int32_t clientWidth, float position) {
  // Far-off positions truncate to the hardware's out-of-range value; kept
  // clear of int32's ends so callers may add a marker's half width.
  const int64_t x = kInteriorLeft +
                    static_cast<int64_t>(TruncateToInt32(
                        (clientWidth - static_cast<double>(kMarkerSpanInset)) * position / 100.0));
  return static_cast<int32_t>(std::clamp<int64_t>(x, INT32_MIN + 16, INT32_MAX - 16));
}

float XToPosition(int32_t clientWidth, int32_t x) {
  return static_cast<float>((x - static_cast<double>(kInteriorLeft)) * 100.0 /
                            (clientWidth - static_cast<double>(kInteriorInset)));
}

void RenderCanvas(const GradationData& gradation, int32_t width, int32_t markerWidth,
                  uint32_t background, CanvasRaster& raster) {
  raster.width = std::max(width, 0);
  raster.pixels.assign(static_cast<size_t>(raster.width) * kCanvasRows, background);
  Painter painter(raster);
  DrawFrame(painter, width);
  DrawGradationBar(painter, gradation, width);
  for (const ColorStop& stop : gradation.colorStops) {
    if (stop.active) DrawColorMarker(painter, stop, markerWidth);
  }
  for (const AlphaStop& stop : gradation.alphaStops) {
    if (stop.active) DrawAlphaMarker(painter, stop, markerWidth);
  }
}

void RenderGradationStrip(const GradationData& gradation, int32_t width, int32_t height,
                          std::vector<uint32_t>& pixels) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  ForEachColumn(gradation, width, [&](const Column& column) {
    for (int32_t j = 0; j < height; ++j) {
      pixels[static_cast<size_t>(j) * static_cast<size_t>(width) + static_cast<size_t>(column.i)] =
          column.At(j);
    }
  });
}
