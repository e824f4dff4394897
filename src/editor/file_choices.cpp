#include "editor/file_choices.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

#include "editor/ui_strings.h"

namespace {

// The text with its "%s" replaced. In code page 932 '%' is never part of a
// double-byte character, so the search cannot land inside one.
std::string Filled(std::string_view text, std::string_view value) {
  std::string filled(text);
  const size_t at = filled.find("%s");
  if (at != std::string::npos) filled.replace(at, 2, value);
  return filled;
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
      return Filled(ui_strings::kFileTooLarge, std::to_string(FormatMaxBytes(result.format) >> 20));
    case ImportProblem::OutOfMemory:
      return ui_strings::kOutOfMemory;
    case ImportProblem::Invalid:
      if (const GradientFormatRow* row = FormatRow(result.format)) {
        std::string line = std::string(row->label) + ui_strings::kContentUnreadable;
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

// The save dialog's entries but "*.*", in order: the formats written that
// have an entry in the dialogs.
std::vector<const GradientFormatRow*> SaveEntries() {
  std::vector<const GradientFormatRow*> entries;
  for (const GradientFormatRow& row : kGradientFormats) {
    if (row.write != nullptr && row.fileTypeLabel != nullptr) entries.push_back(&row);
  }
  return entries;
}

std::string Pattern(const char* extension) { return std::string("*.") + extension; }

// "*.css;*.txt"
std::string Patterns(const std::vector<const char*>& extensions) {
  std::string patterns;
  for (const char* extension : extensions) {
    if (!patterns.empty()) patterns += ';';
    patterns += Pattern(extension);
  }
  return patterns;
}

std::vector<const char*> Extensions(const GradientFormatRow& row) {
  std::vector<const char*> extensions;
  for (const char* extension : row.extensions) {
    if (extension != nullptr) extensions.push_back(extension);
  }
  return extensions;
}

void AddEntry(std::string& list, const std::string& label, const std::string& patterns) {
  list += label;
  list += '\0';
  list += patterns;
  list += '\0';
}

// The list's end: all files, then the second NUL.
std::string Finished(std::string list) {
  constexpr char kAnyFile[] = "*.*";
  AddEntry(list, Filled(ui_strings::kAllFiles, kAnyFile), kAnyFile);
  return list + '\0';
}

}  // namespace

std::string LoadFileFilter() {
  std::vector<const char*> every;  // each extension once, in the table's order
  for (const GradientFormatRow& row : kGradientFormats) {
    for (const char* extension : Extensions(row)) {
      const auto same = [extension](const char* e) { return std::string_view(e) == extension; };
      if (std::none_of(every.begin(), every.end(), same)) every.push_back(extension);
    }
  }

  std::string list;
  for (auto row = kGradientFormats.begin(); row != kGradientFormats.end(); ++row) {
    if (row->fileTypeLabel == nullptr) continue;
    // The entry's own extensions, then those of the rows without an entry
    // after it, each once.
    std::vector<const char*> extensions;
    for (auto listed = row; listed != kGradientFormats.end(); ++listed) {
      if (listed != row && listed->fileTypeLabel != nullptr) break;
      for (const char* extension : Extensions(*listed)) {
        const auto same = [extension](const char* e) { return std::string_view(e) == extension; };
        if (std::none_of(extensions.begin(), extensions.end(), same)) {
          extensions.push_back(extension);
        }
      }
    }
    const std::string patterns = Patterns(extensions);
    const bool first = list.empty();
    AddEntry(list, Filled(row->fileTypeLabel, patterns), patterns);
    if (first) AddEntry(list, ui_strings::kEverySupportedFile, Patterns(every));
  }
  return Finished(std::move(list));
}

std::string SaveFileFilter() {
  std::string list;
  for (const GradientFormatRow* row : SaveEntries()) {
    const std::string pattern = Pattern(row->extensions[0]);
    AddEntry(list, Filled(row->fileTypeLabel, pattern), pattern);
  }
  return Finished(std::move(list));
}

const char* SaveDefaultExtension() { return SaveEntries().front()->extensions[0]; }

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
  const std::vector<const GradientFormatRow*> entries = SaveEntries();
  target.format = entries.front()->format;
  const std::optional<GradientFormat> typed = ExportFormatForPath(path);
  if (filterIndex == entries.size() + 1) {
    target.format = typed.value_or(target.format);
  } else if (filterIndex >= 2 && filterIndex <= entries.size()) {
    // The first entry's extension is the dialog's default one
    // (SaveDefaultExtension), and the dialog adds it itself.
    const GradientFormatRow& row = *entries[filterIndex - 1];
    target.format = row.format;
    if (typed != target.format) {
      path += std::string(".") + row.extensions[0];
      target.extensionAdded = true;
    }
  }
  target.path = std::move(path);
  return target;
}

std::string ExportedGradientName(int32_t id) { return "Velumbra " + std::to_string(id); }
