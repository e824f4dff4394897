// CSS gradient text: every linear-gradient() and repeating-linear-gradient()
// in a style sheet or a single declaration, and one linear-gradient() written
// back. CSS blends premultiplied, so written stops take StopBlend::Premultiplied.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "interchange/linear_stops.h"
#include "interchange/source_gradient.h"

// Each gradient function is one source gradient, in the order of the text,
// named by the custom property it is the value of ("--brand: linear-gradient(…)"
// gives "--brand") or else "gradient N", counting from 1. The direction or
// angle is left out: the gradation is the colour along the gradient line from
// its start to its end.
ReadResult ReadCssGradients(std::string_view text);

// "linear-gradient(to right, …)\n" with a colour and a percentage per stop;
// a hard edge is two stops at one percentage.
std::string WriteCssGradient(const std::vector<LinearStop>& stops);
