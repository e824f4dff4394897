#include "interchange/gradient_files.h"

#include <cctype>
#include <cstdint>
#include <new>
#include <utility>

#include "interchange/format_detection.h"
#include "interchange/source_gradient.h"
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

ImportResult TooLargeFailure() {
  return ImportFailure(GradientFormat::Unknown, ImportProblem::TooLarge, TooLargeText());
}

ImportResult OutOfMemoryFailure() {
  return ImportFailure(GradientFormat::Unknown, ImportProblem::OutOfMemory,
                       std::string(kNotEnoughMemory) + " to read the file");
}

// "not a Velumbra, 8BGR, GIMP, SVG or CSS gradient file"
std::string UnknownFormatText() {
  std::string text = "not a ";
  for (size_t i = 0; i < kGradientFormats.size(); ++i) {
    if (i > 0) text += i + 1 < kGradientFormats.size() ? ", " : " or ";
    text += GradientFormatFamily(kGradientFormats[i]);
  }
  return text + " gradient file";
}

// The bytes are within kMaxInterchangeBytes: both ways in refuse more.
ImportResult ImportOrThrow(std::string_view bytes) {
  const GradientFormat format = DetectGradientFormat(bytes);
  if (format == GradientFormat::Unknown) {
    return ImportFailure(format, ImportProblem::UnknownFormat, UnknownFormatText());
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

// The format's row, if the format is written.
const GradientFormatRow* WrittenRow(GradientFormat format) {
  const GradientFormatRow* row = FormatRow(format);
  return row != nullptr && row->write != nullptr ? row : nullptr;
}

}  // namespace

std::string LowerExtension(std::string_view path) {
  const size_t slash = path.find_last_of("/\\");
  const size_t dot = path.find_last_of('.');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
  std::string extension(path.substr(dot + 1));
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension;
}

ImportResult ImportFailure(GradientFormat format, ImportProblem problem, std::string error) {
  ImportResult result;
  result.format = format;
  result.problem = problem;
  result.error = std::move(error);
  return result;
}

ReadResult ReadGradientSources(GradientFormat format, std::string_view bytes) {
  const GradientFormatRow* row = FormatRow(format);
  if (row == nullptr || row->read == nullptr) {
    return ReadFailure("gradient file", "not a format this editor reads");
  }
  return row->read(bytes);
}

// Nothing may escape into a window procedure or a host callback: running out
// of memory on a large file is a failed import like any other.
ImportResult ImportGradients(std::string_view bytes) {
  try {
    if (bytes.size() > kMaxInterchangeBytes) return TooLargeFailure();
    return ImportOrThrow(bytes);
  } catch (const std::bad_alloc&) {
    return OutOfMemoryFailure();
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
        return TooLargeFailure();
      case FileReadStatus::Read:
        break;
    }
    return ImportOrThrow(bytes);
  } catch (const std::bad_alloc&) {
    return OutOfMemoryFailure();
  }
}

std::optional<GradientFormat> ExportFormatForPath(std::string_view path) {
  const std::string extension = LowerExtension(path);
  for (const GradientFormatRow& row : kGradientFormats) {
    if (row.write == nullptr) continue;
    for (const char* listed : row.extensions) {
      if (listed != nullptr && extension == listed) return row.format;
    }
  }
  return std::nullopt;
}

std::string ExportGradation(const GradationData& gradation, GradientFormat format,
                            std::string_view name) {
  const GradientFormatRow* row = WrittenRow(format);
  return row != nullptr ? row->write(gradation, name) : std::string();
}

bool SaveGradientFile(const char* path, const GradationData& gradation, GradientFormat format,
                      std::string_view name) {
  const GradientFormatRow* row = WrittenRow(format);
  if (row == nullptr) return false;
  try {
    return WriteFileAtomically(path, row->write(gradation, name));
  } catch (const std::bad_alloc&) {
    return false;
  }
}
