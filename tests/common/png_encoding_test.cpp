// Encoded images decoded again by stb's reader, an implementation independent
// of the encoder's code paths.
#include "common/png_encoding.h"

#include <gtest/gtest.h>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

#include <string>
#include <vector>

namespace {

struct Decoded {
  int width = 0, height = 0, channels = 0;
  std::vector<uint32_t> pixels;  // 0xAARRGGBB; 0xFF alpha for RGB
};

Decoded Decode(const std::vector<uint8_t>& png) {
  Decoded out;
  unsigned char* rgba = stbi_load_from_memory(png.data(), static_cast<int>(png.size()), &out.width,
                                              &out.height, &out.channels, 4);
  if (rgba == nullptr) return out;
  for (int i = 0; i < out.width * out.height; ++i) {
    const unsigned char* p = rgba + i * 4;
    out.pixels.push_back(uint32_t{p[3]} << 24 | uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2]);
  }
  stbi_image_free(rgba);
  return out;
}

TEST(PngEncoding, RoundTripsEveryChannelAndTheTopByteOnlyWithAlpha) {
  struct Case {
    int width, height;
  } sizes[] = {{1, 1}, {3, 2}, {418, 250}, {7, 13}};
  for (const bool withAlpha : {false, true}) {
    for (const Case& size : sizes) {
      SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height) +
                   (withAlpha ? " RGBA" : " RGB"));
      std::vector<uint32_t> pixels(static_cast<size_t>(size.width) * size.height);
      for (size_t i = 0; i < pixels.size(); ++i) {
        // Distinct red, green and blue per pixel, and all sorts in the top byte.
        pixels[i] = static_cast<uint32_t>((i * 2654435761u) ^ 0xA5000000u);
      }
      const Decoded decoded = Decode(EncodePng(pixels.data(), size.width, size.height, withAlpha));
      ASSERT_EQ(decoded.width, size.width);
      ASSERT_EQ(decoded.height, size.height);
      EXPECT_EQ(decoded.channels, withAlpha ? 4 : 3);
      ASSERT_EQ(decoded.pixels.size(), pixels.size());
      for (size_t i = 0; i < pixels.size(); ++i) {
        ASSERT_EQ(decoded.pixels[i], withAlpha ? pixels[i] : pixels[i] | 0xFF000000u)
            << "pixel " << i;
      }
    }
  }
}

TEST(PngEncoding, RowsRunFromTheTop) {
  const uint32_t pixels[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};  // 2 x 2
  const Decoded decoded = Decode(EncodePng(pixels, 2, 2, false));
  ASSERT_EQ(decoded.pixels.size(), 4u);
  EXPECT_EQ(decoded.pixels[0], 0xFFFF0000u);
  EXPECT_EQ(decoded.pixels[1], 0xFF00FF00u);
  EXPECT_EQ(decoded.pixels[2], 0xFF0000FFu);
}

TEST(PngEncoding, RefusesEmptyImages) {
  const uint32_t pixel = 0;
  for (const bool withAlpha : {false, true}) {
    EXPECT_TRUE(EncodePng(&pixel, 0, 1, withAlpha).empty());
    EXPECT_TRUE(EncodePng(&pixel, 1, 0, withAlpha).empty());
    EXPECT_TRUE(EncodePng(&pixel, -1, 1, withAlpha).empty());
    EXPECT_TRUE(EncodePng(nullptr, 1, 1, withAlpha).empty());
  }
}

}  // namespace
