// Colour stops joined by blends, as CSS and SVG paint them between their
// stops: the colour of the first stop before it, of the last after it, and
// where stops share a position, a jump from the first of them to the last.
#pragma once

#include <vector>

#include "interchange/linear_stops.h"
#include "interchange/source_gradient.h"

struct RampStop {
  double position = 0.0;  // non-decreasing along the list; any finite value
  SourceColor color;      // straight
  // Where on the way to the next stop the blend is half done, as a fraction
  // of the way: CSS's colour hint. At 0 the next colour starts at once; at 1
  // this colour holds until the next stop.
  double midpoint = 0.5;
};

// Which side of a jump a position takes.
enum class RampSide { Right, Left };

SourceColor RampColorAt(const std::vector<RampStop>& stops, StopBlend blend, double position,
                        RampSide side);

// Whether the colour (or opacity) at the position differs on its two sides.
bool RampJumpsAt(const std::vector<RampStop>& stops, StopBlend blend, double position);
