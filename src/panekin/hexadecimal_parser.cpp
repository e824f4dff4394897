#include "panekin/hexadecimal_parser.h"

namespace Panekin {

namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

bool ParseHexadecimal(const char* text, uint32_t* value) {
  if (text == nullptr) return false;
  uint32_t result = 0;
  for (const char* c = text; *c != '\0'; ++c) {
    const int digit = DigitValue(*c);
    if (digit < 0) return false;
    result = result << 4 | static_cast<uint32_t>(digit);
  }
  *value = result;
  return true;
}

}  // namespace Panekin
