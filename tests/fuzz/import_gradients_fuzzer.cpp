// Any bytes, any length, through the import the editor and the command line
// use: the format it reports is the one the detection tells; a failure loads
// nothing and says why, naming the format; a success holds a picture's map,
// or the format reader's gradients, each fitted onto the editor's stops,
// which lie in order within 0..100 and follow the source within the fit
// tolerance. The first gradient exported in every format imports back as
// that format, and a fitted one within the fit tolerance of itself.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "interchange/fit_tolerance.h"
#include "interchange/format_detection.h"
#include "interchange/gradient_files.h"
#include "interchange/linear_export.h"
#include "source_checks.h"
#include "support/export_round_trip.h"

namespace {

// A fitted track: the first and last samples always stand, besides them a
// stop per sample at most and a pair per hard edge; in order within 0..100,
// numbered by index.
template <typename Stop>
void CheckFittedStops(const std::vector<Stop>& stops, size_t reported, size_t edges) {
  FUZZ_CHECK(stops.size() == reported);
  FUZZ_CHECK(stops.size() >= 2 && stops.size() <= kFitSampleCount + 2 * edges);
  FUZZ_CHECK(stops.front().position == 0.0f && stops.back().position == 100.0f);
  for (size_t i = 0; i < stops.size(); ++i) {
    FUZZ_CHECK(stops[i].active && stops[i].serial == static_cast<int32_t>(i));
    FUZZ_CHECK(stops[i].position >= 0.0f && stops[i].position <= 100.0f);
    FUZZ_CHECK(i == 0 || stops[i - 1].position <= stops[i].position);
  }
}

// FUZZ_CHECK, with the library's own words on what went wrong.
void CheckNoProblem(const std::string& problem, const char* where) {
  if (problem.empty()) return;
  std::fprintf(stderr, "%s: %s\n", where, problem.c_str());
  FUZZ_CHECK(problem.empty());
}

// `fitted`: the gradation came from a fit, so it lies within what the
// formats can say and must come back within the tolerance of itself.
void CheckExports(const ImportedGradient& imported, bool fitted) {
  for (const GradientFormatRow& format : kGradientFormats) {
    if (format.write == nullptr) continue;
    const ExportRoundTrip trip = ExportAndImport(imported.gradation, format.format, imported.name);
    CheckNoProblem(trip.problem, format.name);
    const ImportResult& back = trip.back;
    // A record holds its stops exactly; those at NaN, which has no order,
    // may sort back elsewhere.
    if (format.format == GradientFormat::VelumbraRecord && !HasNanPosition(imported.gradation)) {
      FUZZ_CHECK(Written(back.gradients[0].gradation) == Written(imported.gradation));
    } else if (fitted) {
      CheckNoProblem(
          FindFitMismatch(back.gradients[0].gradation, GradationAsSource(imported.gradation)),
          format.name);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const ImportResult result = ImportGradients(bytes);
  const GradientFormat format = DetectGradientFormat(bytes);
  FUZZ_CHECK(result.format == format);
  if (!result.ok()) {
    FUZZ_CHECK(result.gradients.empty());
    FUZZ_CHECK((result.problem == ImportProblem::UnknownFormat) ==
               (format == GradientFormat::Unknown));
    FUZZ_CHECK(result.problem == ImportProblem::UnknownFormat ||
               result.problem == ImportProblem::Invalid);
    if (result.problem == ImportProblem::Invalid) {
      const std::string prefix = std::string(GradientFormatName(format)) + ": ";
      FUZZ_CHECK(result.error.compare(0, prefix.size(), prefix) == 0);
    }
    FUZZ_CHECK(!result.error.empty());
    return 0;
  }
  FUZZ_CHECK(!result.gradients.empty());
  if (format == GradientFormat::VelumbraRecord) {
    FUZZ_CHECK(result.gradients.size() == 1);
    CheckReadGradation(result.gradients[0].gradation);
    CheckExports(result.gradients[0], false);
    return 0;
  }
  // A picture's map, made whole rather than fitted, exports like a record.
  if (FormatRow(format)->readMap != nullptr) {
    FUZZ_CHECK(result.gradients.size() == 1);
    CheckExports(result.gradients[0], false);
    return 0;
  }
  const ReadResult read = ReadGradientSources(format, bytes);
  FUZZ_CHECK(read.ok() && read.gradients.size() == result.gradients.size());
  for (size_t i = 0; i < read.gradients.size(); ++i) {
    const SourceGradient& source = read.gradients[i];
    const ImportedGradient& imported = result.gradients[i];
    FUZZ_CHECK(imported.name == source.name && imported.report.notes == source.notes);
    CheckFittedStops(imported.gradation.colorStops, imported.report.colorStopCount,
                     source.hardEdges.size());
    CheckFittedStops(imported.gradation.alphaStops, imported.report.opacityStopCount,
                     source.hardEdges.size());
    CheckNoProblem(FindFitMismatch(imported.gradation, source), "fitting");
  }
  CheckExports(result.gradients[0], true);
  return 0;
}
