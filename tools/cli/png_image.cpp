#include "png_image.h"

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include <memory>

#include "persist/whole_file.h"

namespace {

// A small file can claim a huge image; past this many pixels (512 MiB of
// words) the image is refused before it is decoded.
constexpr uint64_t kMaxPixels = uint64_t{1} << 27;
constexpr size_t kMaxFileBytes = size_t{1} << 30;

void AppendBytes(void* context, void* data, int size) {
  auto* out = static_cast<std::string*>(context);
  out->append(static_cast<const char*>(data), static_cast<size_t>(size));
}

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
  const int channels = withAlpha ? 4 : 3;
  const size_t count = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
  if (image.width <= 0 || image.height <= 0 || image.pixels.size() != count) return false;
  std::vector<uint8_t> bytes(count * static_cast<size_t>(channels));
  uint8_t* out = bytes.data();
  for (const uint32_t word : image.pixels) {
    *out++ = static_cast<uint8_t>(word >> 16);
    *out++ = static_cast<uint8_t>(word >> 8);
    *out++ = static_cast<uint8_t>(word);
    if (withAlpha) *out++ = static_cast<uint8_t>(word >> 24);
  }
  std::string png;
  if (stbi_write_png_to_func(AppendBytes, &png, image.width, image.height, channels, bytes.data(),
                             image.width * channels) == 0) {
    return false;
  }
  return WriteFileAtomically(path.c_str(), png);
}
