// CSS colours as gradients and SVG stops write them: the named colours,
// transparent, hex, rgb()/rgba(), hsl()/hsla() and hwb(), in the comma and the
// space syntax, ASCII case-insensitive. A component written `none` counts as
// zero.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "interchange/source_gradient.h"

// Empty when the text (already trimmed) is not one of those colours.
std::optional<SourceColor> ParseCssColor(std::string_view text);

// "#rrggbb" when every channel is a whole 8-bit value and the colour opaque,
// otherwise "rgba(r, g, b, a)" with fractional channels where needed.
std::string FormatCssColor(const SourceColor& color);
