// A gradation read from a picture of a gradient (a colour strip, a screenshot
// of another program's gradient bar): its middle row, pixel x at position
// x / (width - 1) x 100 with opacity alpha / 255 x 100, fitted onto the
// editor's stops within the import tolerance (fit_tolerance.h) at every pixel
// centre. A step of more than kStripEdgeStep levels between neighbours, in a
// colour channel or in alpha, is a hard edge: the gradation jumps there, and
// the two pixels beside it are the only ones left unchecked.
#pragma once

#include <cstdint>
#include <string>

#include "interchange/fitting.h"

constexpr int kStripEdgeStep = 32;

struct StripResult {
  FittedGradation fitted;
  std::string error;  // English, for the user; empty on success

  bool ok() const { return error.empty(); }
};

// `pixels` is `height` rows of `width` 0xAARRGGBB words.
StripResult FitGradientStrip(const uint32_t* pixels, int32_t width, int32_t height);
