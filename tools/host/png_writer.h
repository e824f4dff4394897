// PNG encoding of a captured window: platform-free, tested natively.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Pixels are 0x??RRGGBB words, row after row from the top, as a 32-bit
// top-down device-independent bitmap holds them; the top byte is ignored
// (screen captures leave it undefined) and the image is written opaque RGB.
// Empty on failure or when width or height is not positive.
std::vector<uint8_t> EncodePng(const uint32_t* pixels, int width, int height);

// False when encoding fails or the file cannot be written completely.
bool WritePngFile(const std::string& path, const uint32_t* pixels, int width, int height);
