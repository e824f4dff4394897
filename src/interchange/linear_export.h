// A gradation for formats that join stops with straight lines: stops chosen
// so that the format's own rendering follows the editor's eased curves within
// the fit tolerance (fit_tolerance.h); and any such list as a source again,
// to check what a format will show.
#pragma once

#include <string>
#include <vector>

#include "interchange/fit_tolerance.h"
#include "interchange/linear_stops.h"
#include "interchange/source_gradient.h"
#include "model/gradation.h"

// A file's colour within this many steps of the editor's 8-bit value rounds
// to within the fit tolerance of it.
constexpr float kExportColorSteps = kFitColorTolerance + 0.5f;
// At this many steps it rounds to the editor's value itself.
constexpr float kExactColorSteps = 0.5f;

// How far the format's painting may stray from the editor's value at one of
// the fit's samples: by default the fit tolerance; tighter where an import
// of the file would otherwise come back too far from the gradation. Where
// the editor's opacity shows colour, the file's must too.
struct SampleAllowance {
  // 8-bit steps above and below the editor's value, per channel.
  float above[3] = {kExportColorSteps, kExportColorSteps, kExportColorSteps};
  float below[3] = {kExportColorSteps, kExportColorSteps, kExportColorSteps};
  // Whether the opacity must leave an import no whole percent farther than
  // the tolerance from the editor's.
  bool exactOpacity = false;
};

// Stops at sample positions, and in pairs at one position where the
// gradation jumps; as few as a greedy walk finds. `allowances` holds one per
// fit sample, or none for the defaults.
std::vector<LinearStop> LinearStopsFor(const GradationData& gradation, StopBlend blend,
                                       const std::vector<SampleAllowance>& allowances = {});

// The gradation as the editor paints it, as a source: within 0..100 % of
// opacity, hard edges where it jumps; what an export is compared with.
SourceGradient GradationAsSource(const GradationData& gradation);

// Between stops a and b (a.position < b.position), as a format of that blend
// paints `position`.
SourceColor BlendLinearStops(const LinearStop& a, const LinearStop& b, double position,
                             StopBlend blend);

// The stops as a format of that blend paints them: before the first and
// after the last their colours hold, and two stops at one position are a
// hard edge. Stops with a position that is not a number are left out.
SourceGradient FromLinearStops(std::vector<LinearStop> stops, StopBlend blend, std::string name);
