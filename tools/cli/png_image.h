// PNG files as the image passes take them: 0xAARRGGBB words, row after row
// from the top, without padding.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct WordImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
};

// Any PNG (grey, palette, 16-bit, with or without alpha) as 8-bit words; an
// image without alpha reads as opaque. False, with `error` saying why, when
// the file cannot be read, is not a PNG, or is too large to hold.
bool ReadPngImage(const std::string& path, WordImage& image, std::string& error);

// RGBA, or RGB (the words' alpha ignored) when `withAlpha` is false. Written
// whole or not at all (WriteFileAtomically).
bool WritePngImage(const std::string& path, const WordImage& image, bool withAlpha);
