// JSON output without a library: string literals are all it needs.
#pragma once

#include <string>
#include <string_view>

// A JSON string literal, quotes included. Bytes that are not UTF-8 (a Linux
// file name may hold any) become U+FFFD, so the output always parses.
std::string JsonString(std::string_view text);
