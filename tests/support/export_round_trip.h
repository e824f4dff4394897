// Test support: a gradation exported in a format and imported back, as a save
// and a later load (or the command line's convert) take it. Free of the test
// framework, for the fuzz targets too.
#pragma once

#include <string>
#include <string_view>

#include "interchange/gradient_files.h"

struct ExportRoundTrip {
  std::string file;     // the exported bytes
  ImportResult back;    // their import
  std::string problem;  // empty when `back` is one gradient read as the format written
};

inline ExportRoundTrip ExportAndImport(const GradationData& gradation, GradientFormat format,
                                       std::string_view name) {
  ExportRoundTrip trip;
  trip.file = ExportGradation(gradation, format, name);
  trip.back = ImportGradients(trip.file);
  const std::string what = std::string(GradientFormatName(format)) + " export ";
  if (!trip.back.ok()) {
    trip.problem = what + "does not import: " + trip.back.error;
  } else if (trip.back.format != format) {
    trip.problem = what + "imports as " + GradientFormatName(trip.back.format);
  } else if (trip.back.gradients.size() != 1) {
    trip.problem = what + "imports " + std::to_string(trip.back.gradients.size()) + " gradients";
  }
  return trip;
}
