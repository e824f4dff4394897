// Pictures (PNG, JPEG, BMP, GIF's first frame, TGA) as the image passes take
// them: 0xAARRGGBB words, row after row from the top, without padding. The
// editor reads them from a window procedure, so every failure, running out of
// memory included, comes back as an error sentence, never as an exception.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Held to these whatever the file claims. The size is checked from the header,
// before anything is decoded. 64 Mi pixels (16384 x 4096) hold 256 MiB as words.
constexpr int32_t kMaxPictureSide = 16384;
constexpr int64_t kMaxPicturePixels = int64_t{64} << 20;
constexpr size_t kMaxPictureFileBytes = size_t{256} << 20;

struct Picture {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;  // a picture without alpha reads as opaque
};

struct PictureResult {
  Picture picture;
  std::string error;  // English, for the user; empty on success

  bool ok() const { return error.empty(); }
};

PictureResult DecodePicture(std::string_view bytes);

// Whether the bytes begin as the format's files do. TGA has no signature: it
// is what stb's header check takes when none of the others' signatures stand.
bool IsPngPicture(std::string_view bytes);
bool IsJpegPicture(std::string_view bytes);
bool IsBmpPicture(std::string_view bytes);
bool IsGifPicture(std::string_view bytes);
bool IsTgaPicture(std::string_view bytes);
PictureResult ReadPictureFile(const char* path);
