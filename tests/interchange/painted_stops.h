// Test support for the writers: linear stops painted straight off the list,
// the plainest reading of what a written file must reproduce, and seeded
// random stop lists to write.
#pragma once

#include <algorithm>
#include <array>
#include <vector>

#include "interchange/linear_stops.h"
#include "support/random_gradations.h"

// Premultiplied red, green, blue and alpha, the quantities a viewer shows.
using Painted = std::array<double, 4>;

inline Painted Premultiply(const SourceColor& c) {
  return {c.red * c.alpha, c.green * c.alpha, c.blue * c.alpha, c.alpha};
}

// Before the first stop its colour, after the last its colour, at a shared
// position the last stop there; in between a straight line, either through
// premultiplied or through straight values.
inline Painted PaintStops(const std::vector<LinearStop>& stops, StopBlend blend, double p) {
  if (p < stops.front().position) return Premultiply(stops.front().color);
  size_t i = 0;
  while (i + 1 < stops.size() && stops[i + 1].position <= p) ++i;
  if (i + 1 == stops.size()) return Premultiply(stops.back().color);
  const LinearStop& a = stops[i];
  const LinearStop& b = stops[i + 1];
  const double t = (p - a.position) / (b.position - a.position);
  if (blend == StopBlend::Straight) {
    return Premultiply(SourceColor{a.color.red + (b.color.red - a.color.red) * t,
                                   a.color.green + (b.color.green - a.color.green) * t,
                                   a.color.blue + (b.color.blue - a.color.blue) * t,
                                   a.color.alpha + (b.color.alpha - a.color.alpha) * t});
  }
  Painted from = Premultiply(a.color);
  const Painted to = Premultiply(b.color);
  for (int c = 0; c < 4; ++c) from[c] += (to[c] - from[c]) * t;
  return from;
}

inline double RandomUnit(TestRandom& random) {
  return static_cast<double>(random.Next() >> 11) * 0x1p-53;
}

// 1 to 10 stops on a 1/4000 grid, some sharing a position; colours of whole
// bytes or any value, opaque, clear or in between.
inline std::vector<LinearStop> RandomLinearStops(TestRandom& random) {
  std::vector<LinearStop> stops(1 + random.Below(10));
  std::vector<double> positions;
  for (size_t i = 0; i < stops.size(); ++i) {
    const bool repeat = i > 0 && random.Below(5) == 0;
    positions.push_back(repeat ? positions.back() : random.Below(4001) / 4000.0);
  }
  std::sort(positions.begin(), positions.end());
  for (size_t i = 0; i < stops.size(); ++i) {
    SourceColor& c = stops[i].color;
    const bool bytes = random.Below(3) == 0;
    for (double* channel : {&c.red, &c.green, &c.blue}) {
      *channel = bytes ? random.Below(256) / 255.0 : RandomUnit(random);
    }
    const uint32_t opacity = random.Below(6);
    c.alpha = opacity < 2 ? 1.0 : opacity == 2 ? 0.0 : RandomUnit(random);
    stops[i].position = positions[i];
  }
  return stops;
}
