#include "model/gradation_transforms.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

template <typename Stop>
bool HasNoPosition(const Stop& stop) {
  return std::isnan(stop.position);
}

template <typename Stop>
void Reverse(std::vector<Stop>& stops) {
  std::reverse(stops.begin(), stops.end());
  for (Stop& stop : stops) stop.position = 100.0f - stop.position;
  // NaN stops, which mirror to NaN, go back to the front where stop order
  // keeps them; reversing twice still gives the list back.
  std::stable_partition(stops.begin(), stops.end(), HasNoPosition<Stop>);
  RenumberStops(stops);
}

template <typename Stop>
void Distribute(std::vector<Stop>& stops) {
  // The NaN stops, first in stop order, have no place to space from; from an
  // infinite end every step would be infinite or NaN.
  const size_t skipped = static_cast<size_t>(
      std::find_if_not(stops.begin(), stops.end(), HasNoPosition<Stop>) - stops.begin());
  const size_t count = stops.size() - skipped;
  if (count < 3) return;
  const double first = stops[skipped].position;
  const double last = stops.back().position;
  if (!std::isfinite(first) || !std::isfinite(last)) return;
  // Each position from the ends, not by accumulating a step, so that the last
  // stays exactly where it was and no rounding drifts along the track.
  for (size_t i = 1; i + 1 < count; ++i) {
    stops[skipped + i].position = static_cast<float>(
        first + (last - first) * static_cast<double>(i) / static_cast<double>(count - 1));
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
