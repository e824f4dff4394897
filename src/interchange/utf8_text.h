// Names read from files as the UTF-8 every gradient name is: checked, or
// repaired where a file holds other bytes, so that what one format read never
// makes another format's file unreadable.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The length of the well-formed UTF-8 sequence starting at `at` (1 to 4), or
// 0 for a byte that starts none: stray continuation bytes, overlong forms,
// surrogates, code points past U+10FFFF, cut-off sequences.
size_t Utf8SequenceLength(std::string_view text, size_t at);

// The code point of a sequence Utf8SequenceLength accepted.
char32_t Utf8CodePoint(std::string_view text, size_t at, size_t length);

// Well-formed: shortest forms only, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// The text with every byte that does not belong to a well-formed sequence
// replaced by U+FFFD.
std::string ValidUtf8(std::string_view text);
