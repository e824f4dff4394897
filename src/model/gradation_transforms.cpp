#include "model/gradation_transforms.h"

#include <algorithm>
#include <vector>

namespace {

template <typename Stop>
void Reverse(std::vector<Stop>& stops) {
  std::reverse(stops.begin(), stops.end());
  for (Stop& stop : stops) stop.position = 100.0f - stop.position;
  RenumberStops(stops);
}

template <typename Stop>
void Distribute(std::vector<Stop>& stops) {
  const size_t count = stops.size();
  if (count < 3) return;
  const double first = stops.front().position;
  const double last = stops.back().position;
  // Each position from the ends, not by accumulating a step, so that the last
  // stays exactly where it was and no rounding drifts along the track.
  for (size_t i = 1; i + 1 < count; ++i) {
    stops[i].position = static_cast<float>(first + (last - first) * static_cast<double>(i) /
                                                       static_cast<double>(count - 1));
  }
  RenumberStops(stops);
}

}  // namespace

void ReverseGradation(GradationData& gradation) {
  Reverse(gradation.colorStops);
  Reverse(gradation.alphaStops);
}

void DistributeStops(GradationData& gradation, StopTrack track) {
  VisitStops(gradation, track, [](auto& stops) { Distribute(stops); });
}
