#include "png_image.h"

#include <stb/stb_image.h>

#include <memory>

#include "common/png_encoding.h"
#include "persist/whole_file.h"

namespace {

// A small file can claim a huge image; past this many pixels (512 MiB of
// words) the image is refused before it is decoded.
constexpr uint64_t kMaxPixels = uint64_t{1} << 27;
constexpr size_t kMaxFileBytes = size_t{1} << 30;

}  // namespace

bool ReadPngImage(const std::string& path, WordImage& image, std::string& error) {
  std::string bytes;
  switch (ReadWholeFile(path.c_str(), kMaxFileBytes, bytes)) {
    case FileReadStatus::Unreadable:
      error = "the file cannot be opened or read";
      return false;
    case FileReadStatus::TooLarge:
      error = "the file is larger than 1 GiB";
      return false;
    case FileReadStatus::Read:
      break;
  }
  const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
  const int size = static_cast<int>(bytes.size());
  int width = 0, height = 0, channels = 0;
  if (stbi_info_from_memory(data, size, &width, &height, &channels) == 0) {
    error = std::string("not a PNG image (") + stbi_failure_reason() + ")";
    return false;
  }
  if (static_cast<uint64_t>(width) * static_cast<uint64_t>(height) > kMaxPixels) {
    error = "the image has more than 134 million pixels";
    return false;
  }
  const std::unique_ptr<stbi_uc, void (*)(void*)> rgba(
      stbi_load_from_memory(data, size, &width, &height, &channels, 4), stbi_image_free);
  if (rgba == nullptr) {
    error = std::string("the PNG image is damaged (") + stbi_failure_reason() + ")";
    return false;
  }
  const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
  image.width = width;
  image.height = height;
  image.pixels.resize(count);
  const stbi_uc* p = rgba.get();
  for (size_t i = 0; i < count; ++i, p += 4) {
    image.pixels[i] = uint32_t{p[3]} << 24 | uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
  }
  return true;
}

bool WritePngImage(const std::string& path, const WordImage& image, bool withAlpha) {
  const size_t count = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
  if (image.width <= 0 || image.height <= 0 || image.pixels.size() != count) return false;
  const std::vector<uint8_t> png =
      EncodePng(image.pixels.data(), image.width, image.height, withAlpha);
  if (png.empty()) return false;
  return WriteFileAtomically(
      path.c_str(), std::string_view(reinterpret_cast<const char*>(png.data()), png.size()));
}
