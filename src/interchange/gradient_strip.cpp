#include "interchange/gradient_strip.h"

#include <cmath>
#include <cstdlib>
#include <new>
#include <vector>

#include "interchange/fit_tolerance.h"
#include "interchange/greedy_stops.h"
#include "model/evaluate.h"
#include "model/evaluate_steps.h"

namespace {

using evaluate_steps::CurveWeight;
using evaluate_steps::Fraction;

int Alpha(uint32_t word) { return static_cast<int>(word >> 24); }

double SourceAlpha(uint32_t word) { return Alpha(word) / 255.0; }

// Colour under (all but) full transparency is not compared, so its steps are
// no edges either.
bool ColorCounts(uint32_t word) { return SourceAlpha(word) > kFitCheckedAlpha; }

bool ColorSteps(uint32_t a, uint32_t b) {
  for (int shift = 0; shift < 24; shift += 8) {
    const int step = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
    if (std::abs(step) > kStripEdgeStep) return true;
  }
  return false;
}

bool AlphaSteps(uint32_t a, uint32_t b) { return std::abs(Alpha(a) - Alpha(b)) > kStripEdgeStep; }

// Pixel centres on the editor's scale, and the places between them.
float PixelPosition(double x, int32_t width) { return static_cast<float>(x / (width - 1) * 100.0); }

ColorStop ColorPoint(float position, uint32_t word) {
  ColorStop stop;
  stop.position = position;
  const Rgb rgb = RgbFromPacked(word);
  stop.red = rgb.red;
  stop.green = rgb.green;
  stop.blue = rgb.blue;
  return stop;
}

// Stops hold whole percents, as every curved blend between them rounds to.
OpacityPoint MakeOpacityPoint(float position, uint32_t word) {
  OpacityPoint point;
  point.stop.position = position;
  point.stop.opacity = static_cast<float>(std::floor(SourceAlpha(word) * 100.0 + 0.5));
  point.alpha = SourceAlpha(word);
  return point;
}

bool ColorSpanFits(const std::vector<ColorStop>& points, size_t from, size_t to) {
  const ColorStop& left = points[from];
  const ColorStop& right = points[to];
  for (size_t k = from + 1; k < to; ++k) {
    const float t = Fraction(points[k].position, left.position, right.position);
    const uint32_t word =
        evaluate_steps::InterpolateColor(left, right, CurveWeight(t, kEditorCurveExponent));
    if (!ColorWithinTolerance(EightBitOfWord(word), EightBitOfWord(PackedFromStop(points[k]))))
      return false;
  }
  return true;
}

// One track along the row: the end pixels always stand as stops; pixel x is
// compared where `counts(x)`; where `splitsAfter(x)` the track jumps halfway
// to the next pixel, from a stop with pixel x's value to one with pixel x + 1's.
template <typename Point, typename MakePoint, typename Counts, typename SplitsAfter, typename Fits>
std::vector<Point> FitRow(int32_t width, MakePoint makePoint, Counts counts,
                          SplitsAfter splitsAfter, Fits fits) {
  std::vector<Point> chosen;
  std::vector<Point> piece;
  const auto closePiece = [&] { MoveGreedyStops(piece, fits, chosen); };
  for (int32_t x = 0; x < width; ++x) {
    if (x == 0 || x == width - 1 || counts(x)) {
      piece.push_back(makePoint(x, PixelPosition(x, width)));
    }
    if (x + 1 < width && splitsAfter(x)) {
      const float edge = PixelPosition(x + 0.5, width);
      piece.push_back(makePoint(x, edge));
      closePiece();
      piece.push_back(makePoint(x + 1, edge));
    }
  }
  closePiece();
  return chosen;
}

StripResult StripFailure(std::string error) {
  StripResult result;
  result.error = std::move(error);
  return result;
}

StripResult FitOrThrow(const uint32_t* pixels, int32_t width, int32_t height) {
  if (width < 2 || height < 1) {
    return StripFailure("the picture is " + std::to_string(width) +
                        " pixels wide; a gradient strip needs at least 2");
  }
  const uint32_t* row = pixels + static_cast<size_t>(height / 2) * static_cast<size_t>(width);
  const auto colorSplits = [row](int32_t x) {
    return ColorCounts(row[x]) && ColorCounts(row[x + 1]) && ColorSteps(row[x], row[x + 1]);
  };
  const auto alphaSplits = [row](int32_t x) { return AlphaSteps(row[x], row[x + 1]); };
  std::vector<bool> besideEdge(static_cast<size_t>(width), false);
  for (int32_t x = 0; x + 1 < width; ++x) {
    if (colorSplits(x) || alphaSplits(x)) besideEdge[x] = besideEdge[x + 1] = true;
  }
  // Where the ends are transparent, the colour track holds the nearest colour that counts.
  uint32_t firstColor = row[0];
  uint32_t lastColor = row[width - 1];
  for (int32_t x = width; x-- > 0;) {
    if (ColorCounts(row[x])) firstColor = row[x];
  }
  for (int32_t x = 0; x < width; ++x) {
    if (ColorCounts(row[x])) lastColor = row[x];
  }

  const std::vector<ColorStop> colors = FitRow<ColorStop>(
      width,
      [&](int32_t x, float position) {
        const uint32_t word = ColorCounts(row[x]) ? row[x] : x == 0 ? firstColor : lastColor;
        return ColorPoint(position, word);
      },
      [&](int32_t x) { return ColorCounts(row[x]) && !besideEdge[x]; }, colorSplits, ColorSpanFits);
  const std::vector<OpacityPoint> opacities = FitRow<OpacityPoint>(
      width, [row](int32_t x, float position) { return MakeOpacityPoint(position, row[x]); },
      [&](int32_t x) { return !besideEdge[x]; }, alphaSplits, OpacitySpanFits);

  StripResult result;
  FittedGradation& fitted = result.fitted;
  for (const ColorStop& stop : colors) {
    AddColorStop(fitted.gradation, stop.position, Rgb{stop.red, stop.green, stop.blue});
  }
  for (const OpacityPoint& point : opacities) {
    AddAlphaStop(fitted.gradation, point.stop.position, point.stop.opacity);
  }
  fitted.report.colorStopCount = colors.size();
  fitted.report.opacityStopCount = opacities.size();
  return result;
}

}  // namespace

StripResult FitGradientStrip(const uint32_t* pixels, int32_t width, int32_t height) {
  try {
    return FitOrThrow(pixels, width, height);
  } catch (const std::bad_alloc&) {
    return StripFailure("not enough memory to read the gradient strip");
  }
}
