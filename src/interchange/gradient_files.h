// Gradient files of every kind this editor reads or writes, for the editor's
// dialogs and drop and for the command-line tool. A file is recognised by its
// content; a Velumbra record loads exactly as the record loader loads it,
// and every other format is fitted onto the editor's stops.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "interchange/fitting.h"
#include "interchange/gradient_formats.h"
#include "interchange/source_gradient.h"
#include "model/gradation.h"

struct ImportedGradient {
  std::string name;  // UTF-8; empty for a Velumbra record
  GradationData gradation;
  FitReport report;  // stop counts, and what the import had to approximate
};

enum class ImportProblem {
  None,
  Unreadable,     // cannot be opened or read
  TooLarge,       // over the format's maxBytes
  UnknownFormat,  // none of the formats
  Invalid,        // a known format, but damaged or unsupported: see `error`
  OutOfMemory,
};

struct ImportResult {
  GradientFormat format = GradientFormat::Unknown;
  std::vector<ImportedGradient> gradients;  // all of the file's, or none
  ImportProblem problem = ImportProblem::None;
  std::string error;  // English, naming the format and the cause

  bool ok() const { return problem == ImportProblem::None; }
};

// A failed import: nothing loaded, the problem and its message.
ImportResult ImportFailure(GradientFormat format, ImportProblem problem, std::string error);

// Running out of memory, as the import and the command line say it.
inline constexpr char kNotEnoughMemory[] = "not enough memory";

ImportResult ImportGradients(std::string_view bytes);

// The format's own reader, unfitted: what an import of these bytes fits.
ReadResult ReadGradientSources(GradientFormat format, std::string_view bytes);
ImportResult ImportGradientFile(const char* path);

// The format written for the path's extension, case-insensitive: the first
// row with a writer that lists it (.grd, .ggr, .svg, .css or .txt).
// The file name's extension without the dot, ASCII letters lowered; empty
// when the name has none.
std::string LowerExtension(std::string_view path);
std::optional<GradientFormat> ExportFormatForPath(std::string_view path);

// The file's bytes, by the format's writer; `name` goes where the format
// keeps one (.ggr, .svg). A format without a writer gives none.
std::string ExportGradation(const GradationData& gradation, GradientFormat format,
                            std::string_view name);

// Written whole or not at all (see WriteFileAtomically); false for a format
// without a writer.
bool SaveGradientFile(const char* path, const GradationData& gradation, GradientFormat format,
                      std::string_view name);
