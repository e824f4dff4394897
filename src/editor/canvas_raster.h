// The canvas as pixels: the band of the filter window canvas_layout.h gives,
// drawn from a gradation into a plain raster that the window layer copies to
// the screen in one block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "editor/canvas_layout.h"
#include "model/gradation.h"

// Pixels 0x00RRGGBB, row by row from row kCanvasTop; x runs 0 .. width - 1.
struct CanvasRaster {
  int32_t width = 0;
  std::vector<uint32_t> pixels;

  uint32_t At(int32_t x, int32_t y) const {
    return pixels[static_cast<size_t>(y - kCanvasTop) * static_cast<size_t>(width) +
                  static_cast<size_t>(x)];
  }
};

// The column at whose centre a stop's marker stands, for client width W.
int32_t StopToX(int32_t clientWidth, float position);

// The position a click at column x means; the bar's own column scale.
float XToPosition(int32_t clientWidth, int32_t x);

// Draws the whole canvas: background, framed bar with its checkerboard, then
// the markers of active stops. `width` is the client width measured for this
// paint, `markerWidth` the one the markers are placed with (the same on every
// path that measures before painting).
void RenderCanvas(const GradationData& gradation, int32_t width, int32_t markerWidth,
                  uint32_t background, CanvasRaster& raster);

// The gradation alone as a `width` by `height` strip, pixels 0x00RRGGBB row
// by row, its columns and checkerboard as the bar draws them (the presets'
// menu items).
void RenderGradationStrip(const GradationData& gradation, int32_t width, int32_t height,
                          std::vector<uint32_t>& pixels);
