// Test support: one field of every stop of a track, as a list to compare
// whole.
#pragma once

#include <cstdint>
#include <vector>

#include "model/gradation.h"

template <typename Read>
auto EachStop(const GradationData& g, StopTrack track, Read read) {
  std::vector<decltype(read(g.colorStops.front()))> out;
  if (track == StopTrack::Color) {
    for (const ColorStop& stop : g.colorStops) out.push_back(read(stop));
  } else {
    for (const AlphaStop& stop : g.alphaStops) out.push_back(read(stop));
  }
  return out;
}

inline std::vector<float> Positions(const GradationData& g, StopTrack track) {
  return EachStop(g, track, [](const auto& stop) { return stop.position; });
}

inline std::vector<int32_t> Serials(const GradationData& g, StopTrack track) {
  return EachStop(g, track, [](const auto& stop) { return stop.serial; });
}

// The colour stops' colours as 0xRRGGBB words.
inline std::vector<uint32_t> Colors(const GradationData& g) {
  std::vector<uint32_t> out;
  for (const ColorStop& stop : g.colorStops) out.push_back(PackedFromStop(stop));
  return out;
}
