// The host's screenshots as PNG files.
#pragma once

#include <cstdint>
#include <string>

// Pixels as EncodePng takes them (common/png_encoding.h), written opaque RGB.
// False when encoding fails or the file cannot be written completely.
bool WritePngFile(const std::string& path, const uint32_t* pixels, int width, int height);
