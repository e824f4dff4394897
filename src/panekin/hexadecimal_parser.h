// Hexadecimal text as the text boxes accept it.
#pragma once

#include <cstdint>

namespace Panekin {

// Digits 0-9, A-F and a-f only; the empty text is 0. Each digit shifts in from the right in 32
// bits, so with more than eight digits only the last eight count. Any other character, or no
// text at all, makes the text invalid: false, and *value is left as it was.
bool ParseHexadecimal(const char* text, uint32_t* value);

}  // namespace Panekin
