#include "png_writer.h"

#include <stb/stb_image_write.h>

#include <cstdio>
#include <limits>

namespace {

void AppendBytes(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<uint8_t>*>(context);
  const auto* bytes = static_cast<const uint8_t*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

std::vector<uint8_t> EncodePng(const uint32_t* pixels, int width, int height) {
  std::vector<uint8_t> png;
  if (pixels == nullptr || width <= 0 || height <= 0) return png;
  // stb takes the row stride as an int.
  if (width > std::numeric_limits<int>::max() / 3) return png;
  const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
  std::vector<uint8_t> rgb(count * 3);
  for (size_t i = 0; i < count; ++i) {
    rgb[i * 3 + 0] = static_cast<uint8_t>(pixels[i] >> 16);
    rgb[i * 3 + 1] = static_cast<uint8_t>(pixels[i] >> 8);
    rgb[i * 3 + 2] = static_cast<uint8_t>(pixels[i]);
  }
  if (stbi_write_png_to_func(AppendBytes, &png, width, height, 3, rgb.data(), width * 3) == 0) {
    png.clear();
  }
  return png;
}

bool WritePngFile(const std::string& path, const uint32_t* pixels, int width, int height) {
  const std::vector<uint8_t> png = EncodePng(pixels, width, height);
  if (png.empty()) return false;
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
  const bool closed = std::fclose(file) == 0;
  if (written && closed) return true;
  std::remove(path.c_str());
  return false;
}
