// A file for a format that joins stops with straight lines, checked the way
// it will come back: read by the format's own reader and fitted as an import
// fits it. Each step alone stays within the fit tolerance, so the two
// together could stray twice as far; wherever the import would come back
// outside the tolerance of the gradation itself, those samples are made
// exact (see LinearStopsFor) and the stops chosen again.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "interchange/linear_stops.h"
#include "interchange/source_gradient.h"
#include "model/gradation.h"

using LinearWriter = std::function<std::string(const std::vector<LinearStop>&)>;
using GradientReader = std::function<ReadResult(std::string_view)>;

// Stops where no sample needs more, so a file only grows where it must.
// Every round makes at least one more sample exact, so it ends.
std::string WriteCheckedLinearFile(const GradationData& gradation, StopBlend blend,
                                   const LinearWriter& write, const GradientReader& read);
