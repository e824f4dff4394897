// A GIMP gradient's segments and how GIMP paints them: within each segment a
// blend function of the position, bent by the segment's middle point, drives
// an interpolation in RGB or around the HSV hue circle.
#pragma once

#include <vector>

#include "interchange/source_gradient.h"

enum class GgrBlend { Linear, Curved, Sine, SphereIncreasing, SphereDecreasing, Step };
enum class GgrColoring { Rgb, HsvCounterClockwise, HsvClockwise };

struct GgrSegment {
  double left = 0.0, middle = 0.5, right = 1.0;  // 0..1, left <= middle <= right
  SourceColor leftColor, rightColor;
  GgrBlend blend = GgrBlend::Linear;
  GgrColoring coloring = GgrColoring::Rgb;
};

// The factor in 0..1 for a fraction t across a segment whose middle lies at
// fraction `middle`.
double GgrBlendFactor(GgrBlend blend, double middle, double t);

// Segments must be contiguous from 0 to 1. At a boundary the segment on the
// right paints.
SourceColor GgrColorAt(const std::vector<GgrSegment>& segments, double position);

// Where the colour jumps: boundaries whose sides differ, and the middles of
// step segments, strictly inside 0..1, ascending.
std::vector<double> GgrHardEdges(const std::vector<GgrSegment>& segments);
