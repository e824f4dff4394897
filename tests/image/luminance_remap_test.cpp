// Every instruction-set path of the remap pass must write exactly the scalar
// reference's words. Paths the CPU lacks are reported as skipped.
#include "image/luminance_remap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

class RemapPaths : public ::testing::TestWithParam<SimdPath> {
 protected:
  void SetUp() override {
    if (!SimdPathSupported(GetParam())) GTEST_SKIP() << SimdPathName(GetParam()) << " unsupported";
  }
};

// The index's own bounds: white is exactly 4096, black 0, nothing beyond.
TEST(LuminanceIndex, SpansTheTableExactly) {
  EXPECT_EQ(LuminanceIndex(0xFF000000u), 0u);
  EXPECT_EQ(LuminanceIndex(0x00FFFFFFu), 4096u);
  EXPECT_EQ(LuminanceIndex(0x00FF0000u), 1225u);
  EXPECT_EQ(LuminanceIndex(0x0000FF00u), 2404u);
  EXPECT_EQ(LuminanceIndex(0x000000FFu), 467u);
  EXPECT_EQ(LuminanceIndex(0x00808080u), 2056u);
}

// An identity table makes the pass write each pixel's index, so all 16.7M
// colours (with varying alpha) check the index arithmetic of the path.
TEST_P(RemapPaths, IndexOfEveryColour) {
  uint32_t identity[kLuminanceLevels];
  for (int k = 0; k < kLuminanceLevels; ++k) identity[k] = static_cast<uint32_t>(k);
  const size_t chunk = 1 << 20;
  std::vector<uint32_t> pixels(chunk);
  for (uint32_t first = 0; first < (1u << 24); first += chunk) {
    for (size_t i = 0; i < chunk; ++i) {
      pixels[i] = (first + static_cast<uint32_t>(i)) | static_cast<uint32_t>(i * 7) << 24;
    }
    RemapByLuminance(pixels.data(), chunk, identity, GetParam());
    for (size_t i = 0; i < chunk; ++i) {
      const uint32_t colour = first + static_cast<uint32_t>(i);
      if (pixels[i] != LuminanceIndex(colour)) {
        FAIL() << SimdPathName(GetParam()) << " colour " << std::hex << colour << " gives "
               << pixels[i] << ", want " << LuminanceIndex(colour);
      }
    }
  }
}

// Random images and tables, every length from 0 to 67 for the loop tails,
// and unaligned starts.
TEST_P(RemapPaths, MatchesScalarOnRandomImages) {
  uint32_t state = 88172645u;
  auto next = [&state] {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  };
  uint32_t table[kLuminanceLevels];
  for (uint32_t& entry : table) entry = next();
  for (size_t length = 0; length < 68; ++length) {
    for (size_t offset = 0; offset < 3; ++offset) {
      std::vector<uint32_t> image(length + offset);
      for (uint32_t& pixel : image) pixel = next();
      std::vector<uint32_t> expected = image;
      RemapByLuminance(expected.data() + offset, length, table, SimdPath::Scalar);
      RemapByLuminance(image.data() + offset, length, table, GetParam());
      ASSERT_EQ(image, expected) << SimdPathName(GetParam()) << " length " << length;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllPaths, RemapPaths,
                         ::testing::Values(SimdPath::Scalar, SimdPath::Sse2, SimdPath::Avx2),
                         [](const ::testing::TestParamInfo<SimdPath>& info) {
                           return std::string(SimdPathName(info.param));
                         });

}  // namespace
