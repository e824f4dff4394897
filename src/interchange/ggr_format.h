// GIMP's gradient files (.ggr): a text header, an optional name, a segment
// count and one line of numbers per segment.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "interchange/linear_stops.h"
#include "interchange/source_gradient.h"

// One gradient, painted as GIMP paints it, or an error naming the line.
ReadResult ReadGgr(std::string_view bytes);

// Straight-blended stops as linear RGB segments, readable by GIMP; line
// breaks in the name become spaces, bytes that are not UTF-8 U+FFFD. No
// stops make one opaque black segment.
std::string WriteGgr(const std::vector<LinearStop>& stops, std::string_view name);
