// Test support: CP932 bytes decoded to UTF-8 by the C library, so that the
// escaped strings are checked against their Japanese spelling.
#pragma once

#include <iconv.h>

#include <string>

inline std::string FromCp932(const std::string& in) {
  iconv_t convert = iconv_open("UTF-8", "CP932");
  if (convert == reinterpret_cast<iconv_t>(-1)) return "(no CP932 converter)";
  std::string source(in), out(in.size() * 3, '\0');
  char* from = source.data();
  char* to = out.data();
  size_t left = source.size(), room = out.size();
  const size_t result = iconv(convert, &from, &left, &to, &room);
  iconv_close(convert);
  if (result == static_cast<size_t>(-1)) return "(invalid CP932)";
  out.resize(out.size() - room);
  return out;
}
