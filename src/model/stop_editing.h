// Editing operations on an existing stop list. Each may move stops in memory:
// keep a serial, not a reference, across a call.
#pragma once

#include <cstdint>

#include "model/gradation.h"

// False (and no change) on a track of two stops or fewer, or a bad index.
bool RemoveColorStop(GradationData& gradation, int32_t index);
bool RemoveAlphaStop(GradationData& gradation, int32_t index);
bool RemoveStop(GradationData& gradation, StopTrack track, int32_t index);

// Clamps the position to 0..100, re-sorts without renumbering and returns the
// stop's new index, or -1 for a bad index.
int32_t SetColorStopPosition(GradationData& gradation, int32_t index, float position);
int32_t SetAlphaStopPosition(GradationData& gradation, int32_t index, float position);
int32_t SetStopPosition(GradationData& gradation, StopTrack track, int32_t index, float position);

// An unknown serial yields the first stop (or the fallback of an empty list).
const ColorStop& ColorStopBySerial(const GradationData& gradation, int32_t serial);
const AlphaStop& AlphaStopBySerial(const GradationData& gradation, int32_t serial);

// For writing a stop's value or active flag in place: null when no stop
// carries the serial, so a stale selection can never write anywhere.
ColorStop* EditableColorStop(GradationData& gradation, int32_t serial);
AlphaStop* EditableAlphaStop(GradationData& gradation, int32_t serial);

void SortAndRenumberStops(GradationData& gradation, StopTrack track);
