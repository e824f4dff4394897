// PNG encoding for the programs beside the library: the host's window
// captures and the command line's images. Platform-free, tested natively.
#pragma once

#include <cstdint>
#include <vector>

// Pixels are 0xAARRGGBB words, row after row from the top, without padding:
// as the image passes and a 32-bit top-down device-independent bitmap hold
// them. Written RGBA, or opaque RGB with the top byte ignored (screen
// captures leave it undefined) when `withAlpha` is false. Empty on failure
// or when width or height is not positive.
std::vector<uint8_t> EncodePng(const uint32_t* pixels, int width, int height, bool withAlpha);
