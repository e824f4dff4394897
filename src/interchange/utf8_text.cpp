#include "interchange/utf8_text.h"

#include <cstdint>

namespace {

// The length of the well-formed sequence at the start of `text`, or 0.
size_t SequenceLength(std::string_view text) {
  const auto byte = static_cast<unsigned char>(text[0]);
  size_t length = 1;
  uint32_t code = byte;
  if (byte >= 0xF0 && byte <= 0xF4) {
    length = 4, code = byte & 0x07u;
  } else if (byte >= 0xE0 && byte <= 0xEF) {
    length = 3, code = byte & 0x0Fu;
  } else if (byte >= 0xC2 && byte <= 0xDF) {
    length = 2, code = byte & 0x1Fu;
  } else if (byte >= 0x80) {
    return 0;
  }
  if (length > text.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[k]);
    if ((next & 0xC0u) != 0x80u) return 0;
    code = code << 6 | (next & 0x3Fu);
  }
  const uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  while (!text.empty()) {
    const size_t length = SequenceLength(text);
    if (length == 0) return false;
    text.remove_prefix(length);
  }
  return true;
}

std::string ValidUtf8(std::string_view text) {
  std::string valid;
  valid.reserve(text.size());
  while (!text.empty()) {
    const size_t length = SequenceLength(text);
    if (length == 0) {
      valid += "\xEF\xBF\xBD";
      text.remove_prefix(1);
    } else {
      valid += text.substr(0, length);
      text.remove_prefix(length);
    }
  }
  return valid;
}
