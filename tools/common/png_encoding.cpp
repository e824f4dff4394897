#include "png_encoding.h"

#include <stb/stb_image_write.h>

#include <limits>

namespace {

void AppendBytes(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<uint8_t>*>(context);
  const auto* bytes = static_cast<const uint8_t*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

std::vector<uint8_t> EncodePng(const uint32_t* pixels, int width, int height, bool withAlpha) {
  std::vector<uint8_t> png;
  const int channels = withAlpha ? 4 : 3;
  if (pixels == nullptr || width <= 0 || height <= 0) return png;
  // stb takes the row stride as an int.
  if (width > std::numeric_limits<int>::max() / channels) return png;
  const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
  std::vector<uint8_t> bytes(count * static_cast<size_t>(channels));
  uint8_t* out = bytes.data();
  for (size_t i = 0; i < count; ++i) {
    *out++ = static_cast<uint8_t>(pixels[i] >> 16);
    *out++ = static_cast<uint8_t>(pixels[i] >> 8);
    *out++ = static_cast<uint8_t>(pixels[i]);
    if (withAlpha) *out++ = static_cast<uint8_t>(pixels[i] >> 24);
  }
  if (stbi_write_png_to_func(AppendBytes, &png, width, height, channels, bytes.data(),
                             width * channels) == 0) {
    png.clear();
  }
  return png;
}
