// Two captures put together, as a screenshot with a popup menu over the window.
#include "captured_image.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CapturedImage Filled(int width, int height, uint32_t colour) {
  return {width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height, colour)};
}

// Each row of the image as letters: B base, T top, '.' background.
std::vector<std::string> Letters(const CapturedImage& image) {
  std::vector<std::string> rows;
  for (int y = 0; y < image.height; ++y) {
    std::string row;
    for (int x = 0; x < image.width; ++x) {
      const uint32_t p = image.pixels[static_cast<size_t>(y) * image.width + x];
      row += p == 0xB ? 'B' : p == 0x7 ? 'T' : '.';
    }
    rows.push_back(row);
  }
  return rows;
}

TEST(OverlayImage, HoldsBothWhereverTheTopLies) {
  struct Case {
    int x, y;
    std::vector<std::string> expected;
  } cases[] = {
      {1, 1, {"BBBB", "BTTB", "BBBB"}},
      {3, 2, {"BBBB.", "BBBB.", "BBBTT"}},
      {-1, -1, {"TT...", ".BBBB", ".BBBB", ".BBBB"}},
      {5, 0, {"BBBB.TT", "BBBB...", "BBBB..."}},
  };
  const CapturedImage base = Filled(4, 3, 0xB);
  const CapturedImage top = Filled(2, 1, 0x7);
  for (const Case& c : cases) {
    const CapturedImage out = OverlayImage(base, top, c.x, c.y, 0x0);
    EXPECT_EQ(Letters(out), c.expected) << c.x << "," << c.y;
    EXPECT_EQ(out.pixels.size(), static_cast<size_t>(out.width) * out.height);
  }
}

}  // namespace
