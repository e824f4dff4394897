// Whole-track edits: mirroring a gradation and spacing a track's stops evenly.
// Both leave each list in stop order with serials renumbered to the indices.
#pragma once

#include "model/gradation.h"

// Every stop of both tracks goes to 100 - position. The lists are reversed
// too, so that the two stops of a hard edge swap sides with it: the edge stays
// an edge, mirrored.
void ReverseGradation(GradationData& gradation);

// The stops of one track, in their order, spaced evenly from the track's first
// position to its last, NaN stops left out. Fewer than three stops, or an
// infinite end, leave them where they are.
void DistributeStops(GradationData& gradation, StopTrack track);
