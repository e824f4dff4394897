// picture-row OUT.png HEIGHT PICTURE...: the pictures side by side, each
// scaled to HEIGHT rows by averaging, on white with a gap between them. For
// the documentation's before-and-after of a gradient map.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "interchange/picture_file.h"
#include "png_image.h"

namespace {

constexpr int kGap = 8;
constexpr uint32_t kWhite = 0xFFFFFFFFu;

// Box filter: each output pixel is the mean of the source pixels it covers
// (whole pixels, so a downscale only).
WordImage ScaledToHeight(const Picture& picture, int height) {
  WordImage out;
  out.height = height;
  out.width = static_cast<int>(static_cast<int64_t>(picture.width) * height / picture.height);
  out.pixels.resize(static_cast<size_t>(out.width) * height);
  for (int y = 0; y < out.height; ++y) {
    const int y0 = y * picture.height / out.height;
    const int y1 = std::max(y0 + 1, (y + 1) * picture.height / out.height);
    for (int x = 0; x < out.width; ++x) {
      const int x0 = x * picture.width / out.width;
      const int x1 = std::max(x0 + 1, (x + 1) * picture.width / out.width);
      uint64_t sum[3] = {};
      for (int sy = y0; sy < y1; ++sy) {
        for (int sx = x0; sx < x1; ++sx) {
          const uint32_t p = picture.pixels[static_cast<size_t>(sy) * picture.width + sx];
          for (int c = 0; c < 3; ++c) sum[c] += p >> (16 - 8 * c) & 0xFF;
        }
      }
      const uint64_t n = static_cast<uint64_t>(y1 - y0) * (x1 - x0);
      uint32_t word = 0xFF000000u;
      for (int c = 0; c < 3; ++c)
        word |= static_cast<uint32_t>((sum[c] + n / 2) / n) << (16 - 8 * c);
      out.pixels[static_cast<size_t>(y) * out.width + x] = word;
    }
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || std::atoi(argv[2]) <= 0) {
    std::fprintf(stderr, "usage: picture-row OUT.png HEIGHT PICTURE...\n");
    return 2;
  }
  const int height = std::atoi(argv[2]);
  std::vector<WordImage> scaled;
  int width = -kGap;
  for (int i = 3; i < argc; ++i) {
    std::ifstream file(argv[i], std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    const PictureResult read = DecodePicture(bytes);
    if (!read.ok() || read.picture.height < height) {
      std::fprintf(stderr, "%s: %s\n", argv[i],
                   read.ok() ? "lower than the row" : read.error.c_str());
      return 1;
    }
    scaled.push_back(ScaledToHeight(read.picture, height));
    width += scaled.back().width + kGap;
  }
  WordImage row;
  row.width = width;
  row.height = height;
  row.pixels.assign(static_cast<size_t>(width) * height, kWhite);
  int left = 0;
  for (const WordImage& picture : scaled) {
    for (int y = 0; y < height; ++y) {
      std::copy_n(&picture.pixels[static_cast<size_t>(y) * picture.width], picture.width,
                  &row.pixels[static_cast<size_t>(y) * width + left]);
    }
    left += picture.width + kGap;
  }
  if (!WritePngImage(argv[1], row, false)) {
    std::fprintf(stderr, "%s: cannot write\n", argv[1]);
    return 1;
  }
  return 0;
}
