#include "interchange/format_detection.h"

#include <cstdint>

#include "persist/gradation_bytes.h"

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool IsGgrBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

bool IsXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool IsVelumbraRecord(std::string_view bytes) {
  if (bytes.size() < kRecordHeaderSize) return false;
  return GradationRecordLength(reinterpret_cast<const uint8_t*>(bytes.data())) <= bytes.size();
}

// GIMP reads the first line whole, so nothing but blanks may follow the
// words on it. The reader also takes a byte order mark and blanks before
// them, which text editors may add; whatever it loads must be recognised
// here, or the import calls a readable file unknown.
bool IsGgr(std::string_view bytes) {
  constexpr std::string_view kWords = "GIMP Gradient";
  if (StartsWith(bytes, "\xEF\xBB\xBF")) bytes.remove_prefix(3);
  while (!bytes.empty() && IsGgrBlank(bytes.front())) bytes.remove_prefix(1);
  if (!StartsWith(bytes, kWords)) return false;
  std::string_view rest = bytes.substr(kWords.size());
  while (!rest.empty() && rest[0] != '\r' && IsGgrBlank(rest[0])) rest.remove_prefix(1);
  return rest.empty() || rest[0] == '\n' || rest[0] == '\r';
}

// Skips what may stand before the root element: a byte order mark, white
// space, the XML declaration and other processing instructions, comments
// and a document type (with an internal subset). Then the root must be an
// svg element, with or without a namespace prefix.
bool IsSvg(std::string_view bytes) {
  std::string_view rest = bytes;
  if (StartsWith(rest, "\xEF\xBB\xBF")) rest.remove_prefix(3);
  while (true) {
    while (!rest.empty() && IsXmlSpace(rest.front())) rest.remove_prefix(1);
    std::string_view closing;
    if (StartsWith(rest, "<?")) {
      closing = "?>";
    } else if (StartsWith(rest, "<!--")) {
      closing = "-->";
    } else if (StartsWith(rest, "<!DOCTYPE")) {
      const size_t subset = rest.find('[');
      closing = subset != std::string_view::npos && subset < rest.find('>') ? "]>" : ">";
    } else {
      break;
    }
    const size_t end = rest.find(closing, 2);
    if (end == std::string_view::npos) return false;
    rest.remove_prefix(end + closing.size());
  }
  if (!StartsWith(rest, "<")) return false;
  size_t nameEnd = 1;
  while (nameEnd < rest.size() && !IsXmlSpace(rest[nameEnd]) && rest[nameEnd] != '>' &&
         rest[nameEnd] != '/') {
    ++nameEnd;
  }
  if (nameEnd == rest.size()) return false;
  const std::string_view name = rest.substr(1, nameEnd - 1);
  return name == "svg" || (name.size() > 4 && name.substr(name.size() - 4) == ":svg");
}

// CSS function names are ASCII case-insensitive.
bool IsCss(std::string_view bytes) {
  constexpr std::string_view kFunction = "linear-gradient(";
  if (bytes.size() < kFunction.size()) return false;
  for (size_t at = 0; at + kFunction.size() <= bytes.size(); ++at) {
    size_t i = 0;
    while (i < kFunction.size() && Lower(bytes[at + i]) == kFunction[i]) ++i;
    if (i == kFunction.size()) return true;
  }
  return false;
}

GradientFormat DetectGradientFormat(std::string_view bytes) {
  GradientFormat found = GradientFormat::Unknown;
  for (const GradientFormatRow& row : kGradientFormats) {
    if (!row.detect(bytes)) continue;
    if (found == GradientFormat::Unknown) {
      found = row.format;
      // A record written here is exactly its length; one with bytes over
      // yields only to a picture's header (see the table).
      const bool wholeRecord =
          found == GradientFormat::VelumbraRecord &&
          GradationRecordLength(reinterpret_cast<const uint8_t*>(bytes.data())) == bytes.size();
      if (found != GradientFormat::VelumbraRecord || wholeRecord) return found;
    } else if (row.readMap != nullptr) {
      return row.format;
    }
  }
  return found;
}
