#include "interchange/gradient_files.h"

#include <cctype>
#include <cstdint>
#include <new>
#include <utility>

#include "interchange/checked_export.h"
#include "interchange/css_format.h"
#include "interchange/ggr_format.h"
#include "interchange/grd8_format.h"
#include "interchange/linear_export.h"
#include "interchange/source_gradient.h"
#include "interchange/svg_format.h"
#include "persist/gradation_bytes.h"
#include "persist/gradation_file.h"
#include "persist/whole_file.h"

namespace {

ImportResult FromRecord(GradationData gradation) {
  ImportResult result;
  result.format = GradientFormat::VelumbraRecord;
  ImportedGradient imported;
  imported.report.colorStopCount = gradation.colorStops.size();
  imported.report.opacityStopCount = gradation.alphaStops.size();
  imported.gradation = std::move(gradation);
  result.gradients.push_back(std::move(imported));
  return result;
}

ImportResult ImportOrThrow(std::string_view bytes) {
  if (bytes.size() > kMaxInterchangeBytes) {
    return ImportFailure(GradientFormat::Unknown, ImportProblem::TooLarge,
                         "the file is larger than 16 MiB");
  }
  const GradientFormat format = DetectGradientFormat(bytes);
  if (format == GradientFormat::Unknown) {
    return ImportFailure(format, ImportProblem::UnknownFormat,
                         "not a Velumbra, 8BGR, GIMP, SVG or CSS gradient file");
  }
  if (format == GradientFormat::VelumbraRecord) {
    GradationData gradation;
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    if (ReadGradationBytes(gradation, data, bytes.size()) == 0) {
      return ImportFailure(format, ImportProblem::Invalid,
                           std::string(GradientFormatName(format)) + ": the record is cut short");
    }
    return FromRecord(std::move(gradation));
  }
  ReadResult read = ReadGradientSources(format, bytes);
  if (!read.ok()) return ImportFailure(format, ImportProblem::Invalid, read.error);
  if (read.gradients.empty()) {
    return ImportFailure(format, ImportProblem::Invalid,
                         std::string(GradientFormatName(format)) + ": no gradient in the file");
  }
  ImportResult result;
  result.format = format;
  for (const SourceGradient& source : read.gradients) {
    FittedGradation fitted = FitGradation(source);
    result.gradients.push_back(
        {source.name, std::move(fitted.gradation), std::move(fitted.report)});
  }
  return result;
}

std::string LowerExtension(std::string_view path) {
  const size_t slash = path.find_last_of("/\\");
  const size_t dot = path.find_last_of('.');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
  std::string extension(path.substr(dot + 1));
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension;
}

}  // namespace

ImportResult ImportFailure(GradientFormat format, ImportProblem problem, std::string error) {
  ImportResult result;
  result.format = format;
  result.problem = problem;
  result.error = std::move(error);
  return result;
}

ReadResult ReadGradientSources(GradientFormat format, std::string_view bytes) {
  switch (format) {
    case GradientFormat::Grd8:
      return ReadGrd8Gradients(bytes);
    case GradientFormat::Ggr:
      return ReadGgr(bytes);
    case GradientFormat::Svg:
      return ReadSvgGradients(bytes);
    case GradientFormat::Css:
      return ReadCssGradients(bytes);
    default:
      return ReadFailure("gradient file", "not a format this editor reads");
  }
}

// Nothing may escape into a window procedure or a host callback: running out
// of memory on a large file is a failed import like any other.
ImportResult ImportGradients(std::string_view bytes) {
  try {
    return ImportOrThrow(bytes);
  } catch (const std::bad_alloc&) {
    return ImportFailure(GradientFormat::Unknown, ImportProblem::OutOfMemory,
                         "not enough memory to read the file");
  }
}

ImportResult ImportGradientFile(const char* path) {
  try {
    // A record file loads through the record loader, which reads only what
    // its counts ask for, whatever its size, exactly as before.
    GradationData record;
    if (LoadGradationFile(path, record)) return FromRecord(std::move(record));
    std::string bytes;
    switch (ReadWholeFile(path, kMaxInterchangeBytes, bytes)) {
      case FileReadStatus::Unreadable:
        return ImportFailure(GradientFormat::Unknown, ImportProblem::Unreadable,
                             "the file cannot be opened or read");
      case FileReadStatus::TooLarge:
        return ImportFailure(GradientFormat::Unknown, ImportProblem::TooLarge,
                             "the file is larger than 16 MiB");
      case FileReadStatus::Read:
        break;
    }
    return ImportOrThrow(bytes);
  } catch (const std::bad_alloc&) {
    return ImportFailure(GradientFormat::Unknown, ImportProblem::OutOfMemory,
                         "not enough memory to read the file");
  }
}

std::optional<ExportFormat> ExportFormatForPath(std::string_view path) {
  const std::string extension = LowerExtension(path);
  if (extension == "grd") return ExportFormat::VelumbraRecord;
  if (extension == "ggr") return ExportFormat::Ggr;
  if (extension == "svg") return ExportFormat::Svg;
  if (extension == "css" || extension == "txt") return ExportFormat::Css;
  return std::nullopt;
}

const char* ExportFormatName(ExportFormat format) {
  switch (format) {
    case ExportFormat::VelumbraRecord:
      return GradientFormatName(GradientFormat::VelumbraRecord);
    case ExportFormat::Ggr:
      return GradientFormatName(GradientFormat::Ggr);
    case ExportFormat::Svg:
      return GradientFormatName(GradientFormat::Svg);
    case ExportFormat::Css:
      return GradientFormatName(GradientFormat::Css);
  }
  return "";
}

std::string ExportGradation(const GradationData& gradation, ExportFormat format,
                            std::string_view name) {
  switch (format) {
    case ExportFormat::VelumbraRecord: {
      std::string record(WriteGradationBytes(gradation, nullptr), '\0');
      WriteGradationBytes(gradation, reinterpret_cast<uint8_t*>(record.data()));
      return record;
    }
    case ExportFormat::Ggr:
      return WriteCheckedLinearFile(
          gradation, StopBlend::Straight,
          [&](const std::vector<LinearStop>& stops) { return WriteGgr(stops, name); }, ReadGgr);
    case ExportFormat::Svg:
      return WriteCheckedLinearFile(
          gradation, StopBlend::Straight,
          [&](const std::vector<LinearStop>& stops) { return WriteSvgGradient(stops, name); },
          ReadSvgGradients);
    case ExportFormat::Css:
      return WriteCheckedLinearFile(gradation, StopBlend::Premultiplied, WriteCssGradient,
                                    ReadCssGradients);
  }
  return {};
}

bool SaveGradientFile(const char* path, const GradationData& gradation, ExportFormat format,
                      std::string_view name) {
  try {
    return WriteFileAtomically(path, ExportGradation(gradation, format, name));
  } catch (const std::bad_alloc&) {
    return false;
  }
}
