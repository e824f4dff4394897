#include "interchange/stop_ramp.h"

#include <algorithm>
#include <cmath>

namespace {

SourceColor Premultiplied(const SourceColor& c) {
  return SourceColor{c.red * c.alpha, c.green * c.alpha, c.blue * c.alpha, c.alpha};
}

SourceColor Straight(const SourceColor& c) {
  if (c.alpha <= 0.0) return SourceColor{0.0, 0.0, 0.0, 0.0};
  return SourceColor{std::min(1.0, c.red / c.alpha), std::min(1.0, c.green / c.alpha),
                     std::min(1.0, c.blue / c.alpha), c.alpha};
}

// Written so that a weight of exactly 0 or 1 gives exactly one end.
SourceColor Mix(const SourceColor& a, const SourceColor& b, double w) {
  const double v = 1.0 - w;
  return SourceColor{a.red * v + b.red * w, a.green * v + b.green * w, a.blue * v + b.blue * w,
                     a.alpha * v + b.alpha * w};
}

// The share of the next colour at fraction t of the way: t^(log 0.5 / log
// midpoint), which is t itself for the middle.
double Weight(double t, double midpoint) {
  if (midpoint == 0.5) return t;
  if (midpoint <= 0.0) return 1.0;
  if (midpoint >= 1.0) return 0.0;
  return std::pow(t, std::log(0.5) / std::log(midpoint));
}

}  // namespace

SourceColor RampColorAt(const std::vector<RampStop>& stops, StopBlend blend, double position,
                        RampSide side) {
  if (stops.empty()) return SourceColor{0.0, 0.0, 0.0, 0.0};
  const auto before = [](const RampStop& s, double p) { return s.position < p; };
  const auto after = [](double p, const RampStop& s) { return p < s.position; };
  // The stretch [from, to) on the right side, (from, to] on the left.
  const auto next = side == RampSide::Right
                        ? std::upper_bound(stops.begin(), stops.end(), position, after)
                        : std::lower_bound(stops.begin(), stops.end(), position, before);
  if (next == stops.begin()) return stops.front().color;
  if (next == stops.end()) return stops.back().color;
  const RampStop& from = *(next - 1);
  const RampStop& to = *next;
  const double t = (position - from.position) / (to.position - from.position);
  const double w = Weight(std::min(1.0, std::max(0.0, t)), from.midpoint);
  // A stop's own colour, exactly: premultiplied and back it may move by a
  // rounding step, and a ramp would then seem to jump at its first stop.
  if (w == 0.0) return from.color;
  if (w == 1.0) return to.color;
  if (blend == StopBlend::Straight) return Mix(from.color, to.color, w);
  return Straight(Mix(Premultiplied(from.color), Premultiplied(to.color), w));
}

bool RampJumpsAt(const std::vector<RampStop>& stops, StopBlend blend, double position) {
  const SourceColor left = RampColorAt(stops, blend, position, RampSide::Left);
  const SourceColor right = RampColorAt(stops, blend, position, RampSide::Right);
  return left.red != right.red || left.green != right.green || left.blue != right.blue ||
         left.alpha != right.alpha;
}
