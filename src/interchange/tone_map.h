// A gradient map made from a reference picture: the opaque gradation that,
// recoloured through as ColorReMap_Luminance does with its default arguments
// (the editor's curve, scale 1, offset 0), gives the reference's own pixels
// their colours as closely as a few eased stops can.
//
// Counted pixels are those with alpha above 0, each once, at its luminance
// index. The ideal map gives each index the mean colour of its pixels; no map
// of eased stops follows it where it swings from one index to the next, so
// the bar the result is held to averages the indexes within
// kToneMapBarRadius of each. The result comes within kToneMapAllowedExcess of
// the bar's RMS error, with as few stops as the fitter needs, when the stop
// cap is kToneMapMaxStops; a lower cap gets what the fitter finds within it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "image/luminance_remap.h"
#include "model/gradation.h"

constexpr int kToneMapMinStops = 2;
constexpr int kToneMapMaxStops = 64;
constexpr int kToneMapBarRadius = 2;
constexpr double kToneMapAllowedExcess = 0.5;  // 8-bit levels of RMS error

// The counted pixels by luminance index.
struct LuminanceHistogram {
  std::vector<uint64_t> count;               // kLuminanceLevels entries
  std::vector<std::array<uint64_t, 3>> sum;  // of R, G and B, per index
  uint64_t pixels = 0;
  uint64_t squares = 0;  // of R, G and B over all counted pixels
};

LuminanceHistogram HistogramOf(const uint32_t* pixels, size_t count);

using ToneColor = std::array<double, 3>;  // R, G, B in 8-bit levels, unrounded

// Index L's mean colour over the counted pixels whose index lies within
// L - radius .. L + radius (radius 0: the ideal map; kToneMapBarRadius: the
// bar). An index whose window holds none takes the linear interpolation
// between the nearest indexes whose windows do, and before the first or after
// the last of them, its colour. Empty when no pixel counts.
std::vector<ToneColor> AveragedToneMap(const LuminanceHistogram& histogram, int radius);

// The RMS error, over R, G and B of every counted pixel in 8-bit levels, of
// recolouring the pixels through a luminance table (words 0x..RRGGBB).
double RecolorRmsError(const LuminanceHistogram& histogram, const uint32_t table[kLuminanceLevels]);

struct ToneMapReport {
  double rms = 0.0;     // recolouring the reference through the result
  double barRms = 0.0;  // through the bar, each entry rounded to 8 bits
  double excess = 0.0;  // rms - barRms
  size_t colorStops = 0;
};

struct ToneMapResult {
  GradationData gradation;  // opaque: opacity 100 at 0 and at 100
  ToneMapReport report;
  std::string error;  // English, for the user; empty on success

  bool ok() const { return error.empty(); }
};

// `maxStops` from kToneMapMinStops to kToneMapMaxStops. Pixels are
// 0xAARRGGBB words, in any order.
ToneMapResult ExtractToneMap(const uint32_t* pixels, size_t count, int maxStops = kToneMapMaxStops);
