// Test support: a whole file as bytes, through the C runtime on both builds.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Empty when the file cannot be opened.
inline std::vector<uint8_t> ReadFileBytes(const std::string& path) {
  std::vector<uint8_t> bytes;
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return bytes;
  for (int c; (c = std::fgetc(file)) != EOF;) bytes.push_back(static_cast<uint8_t>(c));
  std::fclose(file);
  return bytes;
}

// Creates or empties the file; false when any byte could not be written.
inline bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}
