#include "safe_file_names.h"

#include <cctype>
#include <set>

#include "interchange/utf8_text.h"

namespace {

// Keeps room for the suffix, the extension and a deep folder under the
// 255-byte name limit most file systems have.
constexpr size_t kMaxNameBytes = 120;

bool IsDroppedCodePoint(char32_t point) {
  // Control characters (C0, DEL, C1), path separators and the characters
  // Windows refuses in names.
  if (point < 0x20 || (point >= 0x7F && point <= 0x9F)) return true;
  switch (point) {
    case U'/':
    case U'\\':
    case U'<':
    case U'>':
    case U':':
    case U'"':
    case U'|':
    case U'?':
    case U'*':
      return true;
    default:
      return false;
  }
}

std::string KeptCharacters(std::string_view name) {
  std::string kept;
  for (size_t at = 0; at < name.size();) {
    const size_t length = Utf8SequenceLength(name, at);
    if (length == 0) {  // not text: dropped like a control character
      ++at;
      continue;
    }
    if (!IsDroppedCodePoint(Utf8CodePoint(name, at, length))) {
      if (kept.size() + length > kMaxNameBytes) break;
      kept.append(name, at, length);
    }
    at += length;
  }
  return kept;
}

// Leading dots would hide the file (or name "." and ".."); Windows drops
// trailing dots and spaces itself, so two names would meet.
std::string Trimmed(const std::string& name) {
  const size_t first = name.find_first_not_of(". ");
  if (first == std::string::npos) return {};
  const size_t last = name.find_last_not_of(". ");
  return name.substr(first, last - first + 1);
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// CON, PRN, AUX, NUL, COM0-9 and LPT0-9 name devices on Windows, with any
// extension and trailing spaces; a '_' after the device part makes a file name.
std::string WithoutDeviceName(const std::string& name) {
  const size_t dot = name.find('.');
  const std::string head = name.substr(0, dot);
  const size_t end = head.find_last_not_of(' ') + 1;
  const std::string device = Lower(head.substr(0, end));
  const bool reserved = device == "con" || device == "prn" || device == "aux" || device == "nul" ||
                        (device.size() == 4 &&
                         (device.compare(0, 3, "com") == 0 || device.compare(0, 3, "lpt") == 0) &&
                         std::isdigit(static_cast<unsigned char>(device[3])));
  if (!reserved) return name;
  return name.substr(0, end) + "_" + name.substr(end);
}

}  // namespace

std::vector<std::string> SafeFileNames(const std::vector<std::string>& gradientNames,
                                       std::string_view extension) {
  std::vector<std::string> names;
  std::set<std::string> taken;  // lower case: case-insensitive file systems
  const std::string suffix = "." + std::string(extension);
  for (size_t i = 0; i < gradientNames.size(); ++i) {
    std::string base = WithoutDeviceName(Trimmed(KeptCharacters(gradientNames[i])));
    if (base.empty()) base = "gradient-" + std::to_string(i + 1);
    std::string name = base + suffix;
    for (int n = 2; !taken.insert(Lower(name)).second; ++n) {
      name = base + "-" + std::to_string(n) + suffix;
    }
    names.push_back(name);
  }
  return names;
}
