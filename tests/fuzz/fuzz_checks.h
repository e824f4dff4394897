// What the fuzz targets hold every input to, beyond not crashing.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "model/gradation.h"
#include "persist/gradation_bytes.h"

#define FUZZ_CHECK(condition)                                                             \
  do {                                                                                    \
    if (!(condition)) {                                                                   \
      std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
      std::abort();                                                                       \
    }                                                                                     \
  } while (0)

inline std::vector<uint8_t> Written(const GradationData& gradation) {
  std::vector<uint8_t> bytes(WriteGradationBytes(gradation, nullptr));
  FUZZ_CHECK(WriteGradationBytes(gradation, bytes.data()) == bytes.size());
  return bytes;
}

template <typename Stop>
bool HasNanPosition(const std::vector<Stop>& stops) {
  for (const Stop& stop : stops) {
    if (std::isnan(stop.position)) return true;
  }
  return false;
}

inline bool HasNanPosition(const GradationData& gradation) {
  return HasNanPosition(gradation.colorStops) || HasNanPosition(gradation.alphaStops);
}

// Active, numbered by index, positions clamped unless kept as stored, and
// in order where NaN (which has no order) is absent.
template <typename Stop>
void CheckReadStops(const std::vector<Stop>& stops, RecordPositions positions) {
  for (size_t i = 0; i < stops.size(); ++i) {
    FUZZ_CHECK(stops[i].active);
    FUZZ_CHECK(stops[i].serial == static_cast<int32_t>(i));
    const float position = stops[i].position;
    FUZZ_CHECK(positions == RecordPositions::AsStored || std::isnan(position) ||
               (position >= 0.0f && position <= 100.0f));
  }
  if (HasNanPosition(stops)) return;
  for (size_t i = 1; i < stops.size(); ++i) FUZZ_CHECK(stops[i - 1].position <= stops[i].position);
}

inline void CheckReadGradation(const GradationData& gradation,
                               RecordPositions positions = RecordPositions::Clamped) {
  CheckReadStops(gradation.colorStops, positions);
  CheckReadStops(gradation.alphaStops, positions);
}

// Not a form any record reads into: an inactive stop with serial 7.
inline GradationData Marker(float position) {
  GradationData gradation;
  gradation.colorStops.push_back(ColorStop{7, position, false, 1, 2, 3});
  return gradation;
}

inline bool IsMarker(const GradationData& gradation, float position) {
  return gradation.colorStops.size() == 1 && gradation.alphaStops.empty() &&
         !gradation.colorStops[0].active && gradation.colorStops[0].serial == 7 &&
         gradation.colorStops[0].position == position;
}
