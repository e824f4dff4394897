// What the writers take: a gradient as stops joined by straight lines, the
// form every open format can say exactly. Two stops at one position make a
// hard edge.
#pragma once

#include <vector>

#include "interchange/source_gradient.h"

struct LinearStop {
  double position = 0.0;  // 0..1, non-decreasing along the list
  SourceColor color;
};

// How a format blends between two stops: CSS in premultiplied sRGB, the
// others channel by channel in straight sRGB.
enum class StopBlend { Straight, Premultiplied };
