#include "interchange/ggr_segments.h"

#include <algorithm>
#include <cmath>

namespace {

// Below this a length or a middle counts as zero, as GIMP has it.
constexpr double kEpsilon = 1e-10;
constexpr double kPi = 3.14159265358979323846;

double LinearFactor(double middle, double t) {
  if (t <= middle) return middle < kEpsilon ? 0.0 : 0.5 * t / middle;
  const double upper = 1.0 - middle;
  return upper < kEpsilon ? 1.0 : 0.5 + 0.5 * (t - middle) / upper;
}

struct Hsv {
  double h = 0.0, s = 0.0, v = 0.0;
};

Hsv HsvOf(const SourceColor& c) {
  const double max = std::max({c.red, c.green, c.blue});
  const double min = std::min({c.red, c.green, c.blue});
  Hsv hsv;
  hsv.v = max;
  const double delta = max - min;
  if (delta <= 0.0001) return hsv;  // grey: no hue, as GIMP decides
  hsv.s = delta / max;
  if (c.red == max) {
    hsv.h = (c.green - c.blue) / delta;
    if (hsv.h < 0.0) hsv.h += 6.0;
  } else if (c.green == max) {
    hsv.h = 2.0 + (c.blue - c.red) / delta;
  } else {
    hsv.h = 4.0 + (c.red - c.green) / delta;
  }
  hsv.h /= 6.0;
  return hsv;
}

SourceColor RgbOf(const Hsv& hsv, double alpha) {
  if (hsv.s == 0.0) return SourceColor{hsv.v, hsv.v, hsv.v, alpha};
  double hue = hsv.h - std::floor(hsv.h);  // a full turn is no turn
  hue *= 6.0;
  const int sector = std::min(static_cast<int>(hue), 5);
  const double f = hue - sector;
  const double v = hsv.v;
  const double w = v * (1.0 - hsv.s);
  const double q = v * (1.0 - hsv.s * f);
  const double t = v * (1.0 - hsv.s * (1.0 - f));
  switch (sector) {
    case 0:
      return SourceColor{v, t, w, alpha};
    case 1:
      return SourceColor{q, v, w, alpha};
    case 2:
      return SourceColor{w, v, t, alpha};
    case 3:
      return SourceColor{w, q, v, alpha};
    case 4:
      return SourceColor{t, w, v, alpha};
    default:
      return SourceColor{v, w, q, alpha};
  }
}

double Mix(double a, double b, double f) { return a + (b - a) * f; }

SourceColor Interpolate(const GgrSegment& segment, double f) {
  const SourceColor& l = segment.leftColor;
  const SourceColor& r = segment.rightColor;
  const double alpha = Mix(l.alpha, r.alpha, f);
  if (segment.coloring == GgrColoring::Rgb) {
    return SourceColor{Mix(l.red, r.red, f), Mix(l.green, r.green, f), Mix(l.blue, r.blue, f),
                       alpha};
  }
  const Hsv a = HsvOf(l);
  const Hsv b = HsvOf(r);
  Hsv mixed{a.h, Mix(a.s, b.s, f), Mix(a.v, b.v, f)};
  if (segment.coloring == GgrColoring::HsvCounterClockwise) {
    // Equal hues go the full turn.
    mixed.h += a.h < b.h ? (b.h - a.h) * f : (1.0 - (a.h - b.h)) * f;
  } else {
    mixed.h -= b.h < a.h ? (a.h - b.h) * f : (1.0 - (b.h - a.h)) * f;
  }
  return RgbOf(mixed, alpha);
}

// The segment's middle and a position's fraction across it; a segment too
// short to measure is painted as at its middle.
struct Fractions {
  double middle = 0.5, t = 0.5;
};

Fractions FractionsOf(const GgrSegment& segment, double position) {
  const double length = segment.right - segment.left;
  if (!(length >= kEpsilon)) return Fractions{};
  return Fractions{(segment.middle - segment.left) / length,
                   std::clamp((position - segment.left) / length, 0.0, 1.0)};
}

// The colour at fraction t, with factors within a hair of either end taken
// as that end, so that a segment's ends compare equal to its colours.
SourceColor PaintedAt(const GgrSegment& segment, double t) {
  const double middle = FractionsOf(segment, segment.left).middle;
  double factor = GgrBlendFactor(segment.blend, middle, t);
  if (factor < 1e-6) factor = 0.0;
  if (factor > 1.0 - 1e-6) factor = 1.0;
  return Interpolate(segment, factor);
}

bool SameColor(const SourceColor& a, const SourceColor& b) {
  return std::fabs(a.red - b.red) <= 1e-6 && std::fabs(a.green - b.green) <= 1e-6 &&
         std::fabs(a.blue - b.blue) <= 1e-6 && std::fabs(a.alpha - b.alpha) <= 1e-6;
}

}  // namespace

double GgrBlendFactor(GgrBlend blend, double middle, double t) {
  double factor = 0.0;
  switch (blend) {
    case GgrBlend::Linear:
      factor = LinearFactor(middle, t);
      break;
    case GgrBlend::Curved: {
      // A middle at either end would make the exponent 0 or infinite.
      const double m = std::clamp(middle, kEpsilon, 1.0 - kEpsilon);
      factor = std::pow(t, std::log(0.5) / std::log(m));
      break;
    }
    case GgrBlend::Sine:
      factor = (std::sin(-kPi / 2.0 + kPi * LinearFactor(middle, t)) + 1.0) / 2.0;
      break;
    case GgrBlend::SphereIncreasing: {
      const double f = LinearFactor(middle, t) - 1.0;
      factor = std::sqrt(std::max(0.0, 1.0 - f * f));
      break;
    }
    case GgrBlend::SphereDecreasing: {
      const double f = LinearFactor(middle, t);
      factor = 1.0 - std::sqrt(std::max(0.0, 1.0 - f * f));
      break;
    }
    case GgrBlend::Step:
      factor = t >= middle ? 1.0 : 0.0;
      break;
  }
  return factor > 0.0 ? std::min(factor, 1.0) : 0.0;  // NaN as 0
}

SourceColor GgrColorAt(const std::vector<GgrSegment>& segments, double position) {
  if (segments.empty()) return SourceColor{};
  position = std::clamp(position, 0.0, 1.0);
  // The first segment reaching beyond the position, or the last.
  auto found =
      std::upper_bound(segments.begin(), segments.end(), position,
                       [](double x, const GgrSegment& segment) { return x < segment.right; });
  const GgrSegment& segment = found == segments.end() ? segments.back() : *found;
  const Fractions fractions = FractionsOf(segment, position);
  return Interpolate(segment, GgrBlendFactor(segment.blend, fractions.middle, fractions.t));
}

std::vector<double> GgrHardEdges(const std::vector<GgrSegment>& segments) {
  // Just inside a segment's ends: where a middle at an end makes it jump.
  constexpr double kInside = 1e-12;
  std::vector<double> edges;
  const auto add = [&edges](double position) {
    if (position > 0.0 && position < 1.0 && (edges.empty() || edges.back() < position)) {
      edges.push_back(position);
    }
  };
  const GgrSegment* previous = nullptr;
  for (const GgrSegment& segment : segments) {
    if (!(segment.right - segment.left >= kEpsilon)) continue;  // never painted
    if (previous != nullptr &&
        !SameColor(PaintedAt(*previous, 1.0 - kInside), PaintedAt(segment, kInside))) {
      add(segment.left);
    }
    const double middle = FractionsOf(segment, segment.left).middle;
    if (segment.blend == GgrBlend::Step && middle >= kEpsilon && 1.0 - middle >= kEpsilon &&
        !SameColor(segment.leftColor, segment.rightColor)) {
      add(segment.middle);
    }
    previous = &segment;
  }
  return edges;
}
