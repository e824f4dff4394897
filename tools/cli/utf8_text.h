// UTF-8 as the gradient names and paths arrive: mostly valid, never trusted.
#pragma once

#include <cstddef>
#include <string_view>

// The length of the well-formed UTF-8 sequence starting at `at` (1 to 4), or
// 0 for a byte that starts none: stray continuation bytes, overlong forms,
// surrogates, code points past U+10FFFF, cut-off sequences.
size_t Utf8SequenceLength(std::string_view text, size_t at);

// The code point of a sequence Utf8SequenceLength accepted.
char32_t Utf8CodePoint(std::string_view text, size_t at, size_t length);
