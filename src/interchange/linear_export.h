// A gradation for formats that join stops with straight lines: stops chosen
// so that the format's own rendering follows the editor's eased curves within
// the fit tolerance (fit_tolerance.h); and any such list as a source again,
// to check what a format will show.
#pragma once

#include <string>
#include <vector>

#include "interchange/linear_stops.h"
#include "interchange/source_gradient.h"
#include "model/gradation.h"

// Stops at sample positions, and in pairs at one position where the
// gradation jumps; as few as a greedy walk finds.
std::vector<LinearStop> LinearStopsFor(const GradationData& gradation, StopBlend blend);

// Between stops a and b (a.position < b.position), as a format of that blend
// paints `position`.
SourceColor BlendLinearStops(const LinearStop& a, const LinearStop& b, double position,
                             StopBlend blend);

// The stops as a format of that blend paints them: before the first and
// after the last their colours hold, and two stops at one position are a
// hard edge. Stops with a position that is not a number are left out.
SourceGradient FromLinearStops(std::vector<LinearStop> stops, StopBlend blend, std::string name);
