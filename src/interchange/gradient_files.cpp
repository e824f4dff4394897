#include "interchange/gradient_files.h"

#include <algorithm>
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

// Over the limit of the format the bytes are, or of any gradient file when
// they are none that reads more.
ImportResult TooLargeFailure(GradientFormat format) {
  return ImportFailure(
      format, ImportProblem::TooLarge,
      "the file is larger than " + std::to_string(FormatMaxBytes(format) >> 20) + " MiB");
}

// The most any row reads: no file is read past it.
size_t LargestFile() {
  size_t largest = 0;
  for (const GradientFormatRow& row : kGradientFormats) largest = std::max(largest, row.maxBytes);
  return largest;
}

// A file over every limit is judged by its first bytes: a picture's limit
// applies to what begins as one, the gradient files' to everything else.
GradientFormat FormatOfTooLarge(const char* path) {
  constexpr size_t kHead = 4096;
  std::string head;
  if (ReadFileHead(path, kHead, head)) {
    const GradientFormat format = DetectGradientFormat(head);
    const GradientFormatRow* row = FormatRow(format);
    if (row != nullptr && row->readMap != nullptr) return format;
  }
  return GradientFormat::Unknown;
}

ImportResult OutOfMemoryFailure() {
  return ImportFailure(GradientFormat::Unknown, ImportProblem::OutOfMemory,
                       std::string(kNotEnoughMemory) + " to read the file");
}

// "not a Velumbra, 8BGR, GIMP, SVG or CSS gradient file": the gradient
// formats, those read whole (the pictures) apart.
std::string UnknownFormatText() {
  std::vector<std::string_view> families;
  for (const GradientFormatRow& row : kGradientFormats) {
    if (row.readMap == nullptr) families.push_back(GradientFormatFamily(row));
  }
  std::string text = "not a ";
  for (size_t i = 0; i < families.size(); ++i) {
    if (i > 0) text += i + 1 < families.size() ? ", " : " or ";
    text += families[i];
  }
  return text + " gradient file";
}

ImportResult FromMap(GradientFormat format, MapRead read) {
  if (!read.error.empty()) {
    return ImportFailure(format, ImportProblem::Invalid,
                         std::string(GradientFormatName(format)) + ": " + read.error);
  }
  ImportResult result;
  result.format = format;
  ImportedGradient imported;
  imported.report.colorStopCount = read.gradation.colorStops.size();
  imported.report.opacityStopCount = read.gradation.alphaStops.size();
  imported.gradation = std::move(read.gradation);
  result.gradients.push_back(std::move(imported));
  return result;
}

// The bytes are within LargestFile(): both ways in refuse more.
ImportResult ImportOrThrow(std::string_view bytes) {
  const GradientFormat format = DetectGradientFormat(bytes);
  if (bytes.size() > FormatMaxBytes(format)) return TooLargeFailure(format);
  if (const GradientFormatRow* row = FormatRow(format); row != nullptr && row->readMap != nullptr) {
    return FromMap(format, row->readMap(bytes));
  }
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
    if (bytes.size() > LargestFile()) return TooLargeFailure(GradientFormat::Unknown);
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
    switch (ReadWholeFile(path, LargestFile(), bytes)) {
      case FileReadStatus::Unreadable:
        return ImportFailure(GradientFormat::Unknown, ImportProblem::Unreadable,
                             "the file cannot be opened or read");
      case FileReadStatus::TooLarge:
        return TooLargeFailure(FormatOfTooLarge(path));
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
