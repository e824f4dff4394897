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
#include "interchange/format_detection.h"
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
  TooLarge,       // over kMaxInterchangeBytes
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

ImportResult ImportGradients(std::string_view bytes);

// The format's own reader, unfitted: what an import of these bytes fits.
ReadResult ReadGradientSources(GradientFormat format, std::string_view bytes);
ImportResult ImportGradientFile(const char* path);

enum class ExportFormat { VelumbraRecord, Ggr, Svg, Css };

// By the path's extension, case-insensitive: .grd, .ggr, .svg, .css or .txt.
std::optional<ExportFormat> ExportFormatForPath(std::string_view path);
const char* ExportFormatName(ExportFormat format);

// The file's bytes. `name` goes where the format keeps one (.ggr, .svg).
std::string ExportGradation(const GradationData& gradation, ExportFormat format,
                            std::string_view name);

// Written whole or not at all (see WriteFileAtomically).
bool SaveGradientFile(const char* path, const GradationData& gradation, ExportFormat format,
                      std::string_view name);
