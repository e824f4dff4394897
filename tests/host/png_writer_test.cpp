// Encoded images decoded again by stb's reader, an implementation independent
// of the encoder's code paths.
#include "png_writer.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Decoded {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB
};

Decoded Decode(const std::vector<uint8_t>& png) {
  Decoded out;
  int channels = 0;
  unsigned char* rgb = stbi_load_from_memory(png.data(), static_cast<int>(png.size()), &out.width,
                                             &out.height, &channels, 3);
  if (rgb == nullptr) return out;
  for (int i = 0; i < out.width * out.height; ++i) {
    out.pixels.push_back(uint32_t{rgb[i * 3]} << 16 | uint32_t{rgb[i * 3 + 1]} << 8 |
                         rgb[i * 3 + 2]);
  }
  stbi_image_free(rgb);
  return out;
}

TEST(PngWriter, RoundTripsEveryChannelAndIgnoresTheTopByte) {
  struct Case {
    int width, height;
  } sizes[] = {{1, 1}, {3, 2}, {418, 250}, {7, 13}};
  for (const Case& size : sizes) {
    std::vector<uint32_t> pixels(static_cast<size_t>(size.width) * size.height);
    for (size_t i = 0; i < pixels.size(); ++i) {
      // Distinct red, green and blue per pixel, and garbage in the top byte.
      pixels[i] = static_cast<uint32_t>((i * 2654435761u) ^ 0xA5000000u);
    }
    const Decoded decoded = Decode(EncodePng(pixels.data(), size.width, size.height));
    ASSERT_EQ(decoded.width, size.width);
    ASSERT_EQ(decoded.height, size.height);
    ASSERT_EQ(decoded.pixels.size(), pixels.size());
    for (size_t i = 0; i < pixels.size(); ++i) {
      ASSERT_EQ(decoded.pixels[i], pixels[i] & 0x00FFFFFFu) << "pixel " << i;
    }
  }
}

TEST(PngWriter, RowsRunFromTheTop) {
  const uint32_t pixels[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};  // 2 x 2
  const Decoded decoded = Decode(EncodePng(pixels, 2, 2));
  ASSERT_EQ(decoded.pixels.size(), 4u);
  EXPECT_EQ(decoded.pixels[0], 0xFF0000u);
  EXPECT_EQ(decoded.pixels[1], 0x00FF00u);
  EXPECT_EQ(decoded.pixels[2], 0x0000FFu);
}

TEST(PngWriter, RefusesEmptyImages) {
  const uint32_t pixel = 0;
  EXPECT_TRUE(EncodePng(&pixel, 0, 1).empty());
  EXPECT_TRUE(EncodePng(&pixel, 1, 0).empty());
  EXPECT_TRUE(EncodePng(&pixel, -1, 1).empty());
  EXPECT_TRUE(EncodePng(nullptr, 1, 1).empty());
}

TEST(PngWriter, WritesTheFileOrReportsFailure) {
  const uint32_t pixels[] = {0x123456, 0x654321};
  const std::string path = testing::TempDir() + "png_writer_test.png";
  ASSERT_TRUE(WritePngFile(path, pixels, 2, 1));
  const std::vector<uint8_t> bytes = ReadFileBytes(path);
  ASSERT_FALSE(bytes.empty());
  std::remove(path.c_str());
  EXPECT_EQ(Decode(bytes).pixels, (std::vector<uint32_t>{0x123456, 0x654321}));
  EXPECT_FALSE(WritePngFile(testing::TempDir() + "no-such-folder/x.png", pixels, 2, 1));
}

}  // namespace
