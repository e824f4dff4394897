// A gradation: two independent stop lists, each kept in StopOrder
// (ascending position, ties by serial, NaN positions first), and the
// operations that read and add to them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/stops.h"

struct GradationData {
  std::vector<ColorStop> colorStops;
  std::vector<AlphaStop> alphaStops;
};

// Calls `visit` with the track's stop list. Both kinds of stop carry a
// serial, a position and the active flag, so code that needs no more than
// those is written once for either track.
template <typename Visit>
decltype(auto) VisitStops(GradationData& gradation, StopTrack track, Visit&& visit) {
  if (track == StopTrack::Color) return visit(gradation.colorStops);
  return visit(gradation.alphaStops);
}
template <typename Visit>
decltype(auto) VisitStops(const GradationData& gradation, StopTrack track, Visit&& visit) {
  if (track == StopTrack::Color) return visit(gradation.colorStops);
  return visit(gradation.alphaStops);
}

size_t StopCount(const GradationData& gradation, StopTrack track);

// Returned by the accessors for an empty list; read-only by contract.
const ColorStop& EmptyColorStop();
const AlphaStop& EmptyAlphaStop();

// Clamped: a negative index gives the first stop, one past the end the last,
// an empty list the fallback stop. Valid until the list next changes.
const ColorStop& ColorStopAt(const GradationData& gradation, int32_t index);
const AlphaStop& AlphaStopAt(const GradationData& gradation, int32_t index);

// Index of the first stop carrying the serial, or -1.
int32_t FindColorStop(const GradationData& gradation, int32_t serial);
int32_t FindAlphaStop(const GradationData& gradation, int32_t serial);
int32_t FindStop(const GradationData& gradation, StopTrack track, int32_t serial);

void RenumberStops(std::vector<ColorStop>& stops);
void RenumberStops(std::vector<AlphaStop>& stops);
void RenumberStops(GradationData& gradation, StopTrack track);
void SortStops(std::vector<ColorStop>& stops);  // stable
void SortStops(std::vector<AlphaStop>& stops);
void SortStops(GradationData& gradation, StopTrack track);

// Adds an active stop (position not clamped) and returns its index, which is
// also its serial afterwards. A stop added where others stand goes after them.
int32_t AddColorStop(GradationData& gradation, float position, Rgb color);
int32_t AddAlphaStop(GradationData& gradation, float position, float opacity);

void ClearGradation(GradationData& gradation);
