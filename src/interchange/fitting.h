// Another program's gradient as a gradation the editor holds: colour and
// opacity stops chosen so that the editor's eased curves between them follow
// the source within the fit tolerance (fit_tolerance.h).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "interchange/source_gradient.h"
#include "model/gradation.h"

struct FitReport {
  size_t colorStopCount = 0;
  size_t opacityStopCount = 0;
  std::vector<std::string> notes;  // the source's, for the user
};

struct FittedGradation {
  GradationData gradation;
  FitReport report;
};

// Stops stand at sample positions, and in pairs at one position where the
// source has a hard edge; as few as a greedy walk along each track finds.
FittedGradation FitGradation(const SourceGradient& source);
