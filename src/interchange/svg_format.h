// SVG gradients: every <linearGradient> and <radialGradient> in a document,
// and one <linearGradient> written back. SVG blends channel by channel in
// straight sRGB, so written stops take StopBlend::Straight.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "interchange/linear_stops.h"
#include "interchange/source_gradient.h"

// Each gradient element is one source gradient, in document order, named by
// its id ("gradient N", counting from 1, when it has none); a radial one is
// read from its focal point outwards. A gradient without stops of its own
// takes those its href ("#id") leads to. Chains of href are followed for at
// most kMaxInterchangeNesting steps; a loop or a longer chain is cut there,
// and a gradient left without stops paints nothing in SVG, so it is skipped
// and the other gradients' notes say so. Only when nothing is left is that an
// error.
ReadResult ReadSvgGradients(std::string_view bytes);

// A small SVG document showing one horizontal <linearGradient> with the given
// id, reduced to letters, digits, "_", "-" and ".".
std::string WriteSvgGradient(const std::vector<LinearStop>& stops, std::string_view id);
