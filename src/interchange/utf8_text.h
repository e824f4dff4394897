// Names read from files as the UTF-8 every gradient name is: checked, or
// repaired where a file holds other bytes, so that what one format read never
// makes another format's file unreadable.
#pragma once

#include <string>
#include <string_view>

// Well-formed: shortest forms only, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// The text with every byte that does not belong to a well-formed sequence
// replaced by U+FFFD.
std::string ValidUtf8(std::string_view text);
