#include "interchange/picture_file.h"

#include <algorithm>
#include <memory>
#include <new>

#include "persist/whole_file.h"

// The one definition of stb_image in the library and the programs, limited to
// the formats read here, from memory only (the file is read with its own size
// limit). stb's own, larger size limit is left as it is: the header check
// below names the size, which stb's refusal would not.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STBI_ONLY_GIF
#define STBI_ONLY_TGA
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_FAILURE_USERMSG
#include <stb/stb_image.h>

namespace {

constexpr const char* kFormatNames = "PNG, JPEG, BMP, GIF or TGA";

PictureResult PictureFailure(std::string error) {
  PictureResult result;
  result.error = std::move(error);
  return result;
}

std::string OutOfMemory() { return "not enough memory to read the picture"; }

std::string FileTooLarge() {
  return "the file is larger than " + std::to_string(kMaxPictureFileBytes >> 20) + " MiB";
}

std::string SizeRefusal(int width, int height) {
  return "the picture is " + std::to_string(width) + " x " + std::to_string(height) +
         " pixels; at most " + std::to_string(kMaxPictureSide) + " a side and " +
         std::to_string(kMaxPicturePixels >> 20) + " megapixels are read";
}

// stb's reason as part of a sentence a user can act on.
std::string DecodeFailure(const char* reason) {
  const std::string why = reason != nullptr ? reason : "unknown cause";
  if (why == "Out of memory") return OutOfMemory();
  return "the picture cannot be decoded: it is damaged or uses a feature that is not read (" + why +
         ")";
}

// Debian's stb_image builds a JPEG's Huffman table without checking that its
// 16 code counts add up to at most 256, and writes past the table when they
// do not. Every marker segment stb could reach is walked here first, entropy-
// coded data byte by byte as stb reads it, and a table like that is refused.
bool HuffmanTablesFit(std::string_view bytes) {
  const auto at = [&](size_t i) -> uint8_t {
    return i < bytes.size() ? static_cast<uint8_t>(bytes[i]) : 0;
  };
  constexpr uint8_t kDefineHuffmanTables = 0xC4;
  size_t i = 2;  // after the start-of-image marker
  while (i + 1 < bytes.size()) {
    const uint8_t marker = at(i + 1);
    if (at(i) != 0xFF || marker == 0xFF) {
      ++i;  // entropy-coded data or fill
    } else if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD9)) {
      i += 2;  // a stuffed byte, or a marker without a length
    } else {
      const size_t length = size_t{at(i + 2)} << 8 | at(i + 3);
      if (marker == kDefineHuffmanTables) {
        // As stb reads it: tables while the length lasts, each a class and
        // number byte, 16 counts and then as many symbols.
        size_t table = i + 4;
        for (int64_t left = int64_t(length) - 2; left > 0;) {
          size_t codes = 0;
          for (size_t k = 1; k <= 16; ++k) codes += at(table + k);
          if (codes > 256) return false;
          table += 17 + codes;
          left -= static_cast<int64_t>(17 + codes);
        }
      }
      i += 2 + length;
    }
  }
  return true;
}

PictureResult DecodeOrThrow(std::string_view bytes) {
  if (bytes.size() > kMaxPictureFileBytes) return PictureFailure(FileTooLarge());
  // stb takes whatever starts with the start-of-image marker for a JPEG.
  if (bytes.substr(0, 2) == "\xFF\xD8" && !HuffmanTablesFit(bytes)) {
    return PictureFailure(DecodeFailure("a Huffman table holds more than 256 codes"));
  }
  const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
  const int size = static_cast<int>(bytes.size());
  int width = 0;
  int height = 0;
  int channels = 0;
  if (stbi_info_from_memory(data, size, &width, &height, &channels) == 0) {
    return PictureFailure(std::string("not a ") + kFormatNames +
                          " picture, or its header is damaged");
  }
  if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide ||
      int64_t{width} * height > kMaxPicturePixels) {
    return PictureFailure(SizeRefusal(width, height));
  }
  const std::unique_ptr<stbi_uc, void (*)(void*)> rgba(
      stbi_load_from_memory(data, size, &width, &height, &channels, 4), stbi_image_free);
  if (rgba == nullptr) return PictureFailure(DecodeFailure(stbi_failure_reason()));

  PictureResult result;
  Picture& picture = result.picture;
  picture.width = width;
  picture.height = height;
  const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
  picture.pixels.resize(count);
  const stbi_uc* p = rgba.get();
  for (size_t i = 0; i < count; ++i, p += 4) {
    picture.pixels[i] = static_cast<uint32_t>(p[3]) << 24 | static_cast<uint32_t>(p[0]) << 16 |
                        static_cast<uint32_t>(p[1]) << 8 | p[2];
  }
  return result;
}

bool StartsWith(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix;
}

}  // namespace

bool IsPngPicture(std::string_view bytes) {
  return StartsWith(bytes, std::string_view("\x89PNG\r\n\x1A\n", 8));
}

bool IsJpegPicture(std::string_view bytes) { return StartsWith(bytes, "\xFF\xD8\xFF"); }

// "BM", then the size of the header that follows the file header (at 14), as
// stb takes them: each version's size.
bool IsBmpPicture(std::string_view bytes) {
  if (bytes.size() < 18 || !StartsWith(bytes, "BM")) return false;
  const auto at = [&](size_t i) { return static_cast<uint32_t>(static_cast<uint8_t>(bytes[i])); };
  const uint32_t size = at(14) | at(15) << 8 | at(16) << 16 | at(17) << 24;
  return size == 12 || size == 40 || size == 56 || size == 108 || size == 124;
}

bool IsGifPicture(std::string_view bytes) {
  return StartsWith(bytes, "GIF87a") || StartsWith(bytes, "GIF89a");
}

bool IsTgaPicture(std::string_view bytes) {
  if (IsPngPicture(bytes) || IsJpegPicture(bytes) || IsBmpPicture(bytes) || IsGifPicture(bytes)) {
    return false;
  }
  // The header is all stb looks at.
  constexpr size_t kTgaHeader = 18;
  int width = 0;
  int height = 0;
  int channels = 0;
  return stbi_info_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()),
                               static_cast<int>(std::min(bytes.size(), kTgaHeader)), &width,
                               &height, &channels) != 0;
}

PictureResult DecodePicture(std::string_view bytes) {
  try {
    return DecodeOrThrow(bytes);
  } catch (const std::bad_alloc&) {
    return PictureFailure(OutOfMemory());
  }
}

PictureResult ReadPictureFile(const char* path) {
  try {
    std::string bytes;
    switch (ReadWholeFile(path, kMaxPictureFileBytes, bytes)) {
      case FileReadStatus::Unreadable:
        return PictureFailure("the file cannot be opened or read");
      case FileReadStatus::TooLarge:
        return PictureFailure(FileTooLarge());
      case FileReadStatus::Read:
        break;
    }
    return DecodeOrThrow(bytes);
  } catch (const std::bad_alloc&) {
    return PictureFailure(OutOfMemory());
  }
}
