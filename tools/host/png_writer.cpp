#include "png_writer.h"

#include <cstdio>
#include <vector>

#include "common/png_encoding.h"

bool WritePngFile(const std::string& path, const uint32_t* pixels, int width, int height) {
  const std::vector<uint8_t> png = EncodePng(pixels, width, height, false);
  if (png.empty()) return false;
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
  const bool closed = std::fclose(file) == 0;
  if (written && closed) return true;
  std::remove(path.c_str());
  return false;
}
