#include "editor/file_choices.h"

#include <optional>
#include <utility>

#include "editor/ui_strings.h"

namespace {

const char* FormatLabel(GradientFormat format) {
  switch (format) {
    case GradientFormat::VelumbraRecord:
      return ui_strings::kVelumbraFormat;
    case GradientFormat::Grd8:
      return ui_strings::kGrd8Format;
    case GradientFormat::Ggr:
      return ui_strings::kGgrFormat;
    case GradientFormat::Svg:
      return ui_strings::kSvgFormat;
    case GradientFormat::Css:
      return ui_strings::kCssFormat;
    case GradientFormat::Unknown:
      break;
  }
  return nullptr;
}

// The readers' English detail may quote the file; in a code page 932 message
// only printable ASCII is sure to read as itself.
std::string PrintableAscii(const std::string& text) {
  constexpr size_t kMaxDetail = 160;
  std::string out;
  for (char c : text) {
    if (out.size() == kMaxDetail) return out + "...";
    out += c >= 0x20 && c < 0x7F ? c : '?';
  }
  return out;
}

std::string CauseLine(const ImportResult& result) {
  switch (result.problem) {
    case ImportProblem::Unreadable:
      return ui_strings::kFileUnreadable;
    case ImportProblem::TooLarge:
      return ui_strings::kFileTooLarge;
    case ImportProblem::OutOfMemory:
      return ui_strings::kOutOfMemory;
    case ImportProblem::Invalid:
      if (const char* format = FormatLabel(result.format)) {
        std::string line = std::string(format) + ui_strings::kContentUnreadable;
        if (!result.error.empty()) line += " (" + PrintableAscii(result.error) + ")";
        return line;
      }
      break;
    case ImportProblem::UnknownFormat:
    case ImportProblem::None:
      break;
  }
  return ui_strings::kUnknownFileFormat;
}

// The save dialog's entries, in the order of ui_strings::kSaveFileFilter;
// "*.*" has none.
constexpr ExportFormat kSaveEntries[] = {ExportFormat::VelumbraRecord, ExportFormat::Ggr,
                                         ExportFormat::Svg, ExportFormat::Css};

const char* Extension(ExportFormat format) {
  switch (format) {
    case ExportFormat::VelumbraRecord:
      return ".grd";
    case ExportFormat::Ggr:
      return ".ggr";
    case ExportFormat::Svg:
      return ".svg";
    case ExportFormat::Css:
      return ".css";
  }
  return "";
}

}  // namespace

std::string LoadFailureMessage(const ImportResult& result) {
  return std::string(ui_strings::kLoadFailed) + "\r\n" + CauseLine(result);
}

std::vector<std::string> ChooserLabels(const std::vector<ImportedGradient>& gradients) {
  std::vector<std::string> labels;
  labels.reserve(gradients.size());
  for (const ImportedGradient& gradient : gradients) {
    std::string label;
    for (char c : gradient.name) {
      label += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
    }
    if (label.find_first_not_of(' ') == std::string::npos) {
      label = "#" + std::to_string(labels.size() + 1);
    }
    labels.push_back(std::move(label));
  }
  return labels;
}

SaveTarget SaveTargetFor(std::string path, unsigned long filterIndex) {
  SaveTarget target;
  const std::optional<ExportFormat> typed = ExportFormatForPath(path);
  constexpr unsigned long kEntryCount = sizeof kSaveEntries / sizeof kSaveEntries[0];
  if (filterIndex == kEntryCount + 1) {
    target.format = typed.value_or(ExportFormat::VelumbraRecord);
  } else if (filterIndex >= 2 && filterIndex <= kEntryCount) {
    // The first entry's extension is the dialog's default one, and the dialog
    // adds it itself.
    target.format = kSaveEntries[filterIndex - 1];
    if (typed != target.format) {
      path += Extension(target.format);
      target.extensionAdded = true;
    }
  }
  target.path = std::move(path);
  return target;
}

std::string ExportedGradientName(int32_t id) { return "Velumbra " + std::to_string(id); }
