// Which gradient format a file holds, told by its content alone: extensions
// are shared (.grd is both this editor's record and another program's packs)
// or missing (dropped text).
#pragma once

#include <string_view>

enum class GradientFormat { VelumbraRecord, Grd8, Ggr, Svg, Css, Unknown };

// Tried in the order of the enum. The record comes first and only needs its
// counts to fit the size (trailing bytes are ignored, as the loader does), so
// every file that loaded as a record before still does. It cannot take the
// others' files: their first bytes, read as counts, claim gigabytes of stops.
GradientFormat DetectGradientFormat(std::string_view bytes);

// For messages, and the start of every reader's errors: "8BGR gradient
// file", "GIMP gradient", ...
constexpr const char* GradientFormatName(GradientFormat format) {
  switch (format) {
    case GradientFormat::VelumbraRecord:
      return "Velumbra gradation";
    case GradientFormat::Grd8:
      return "8BGR gradient file";
    case GradientFormat::Ggr:
      return "GIMP gradient";
    case GradientFormat::Svg:
      return "SVG gradient";
    case GradientFormat::Css:
      return "CSS gradient";
    case GradientFormat::Unknown:
      break;
  }
  return "unknown format";
}
