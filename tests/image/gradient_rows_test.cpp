// The image functions' tables and rows against the plain formula: each entry
// evaluated on its own at the position computed with the library's fmod.
#include "image/gradient_rows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "image/pixel_word.h"
#include "support/random_gradations.h"

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

uint64_t DoubleBits(double x) {
  uint64_t u;
  std::memcpy(&u, &x, sizeof u);
  return u;
}

float ReferenceLuminancePosition(int k, float scale, float offset) {
  const float x = static_cast<float>(static_cast<double>(k) * scale + offset);
  const float wrapped = static_cast<float>(std::fmod(static_cast<double>(x), 4097.0));
  return static_cast<float>(static_cast<double>(wrapped) / 40.96f);
}

// Bits and sign of zero must agree; any NaN matches any NaN.
::testing::AssertionResult SameRemainder(float x) {
  const double want = std::fmod(static_cast<double>(x), 4097.0);
  const double got = RemainderBy4097(x);
  if ((std::isnan(want) && std::isnan(got)) || DoubleBits(want) == DoubleBits(got)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << std::hexfloat << "fmod(" << x << ") = " << want << ", got " << got;
}

TEST(RemainderBy4097, MatchesFmod) {
  int failures = 0;
  auto check = [&failures](float x) {
    if (failures < 5 && !SameRemainder(x)) {
      ++failures;
      ADD_FAILURE() << SameRemainder(x).message();
    }
  };
  // A spread over every float bit pattern, both signs, NaN and infinity included.
  for (uint64_t bits = 0; bits <= 0xFFFFFFFFu; bits += 3001) {
    check(FloatFromBits(static_cast<uint32_t>(bits)));
  }
  // Around every multiple of 4097 a float can hold exactly, and the cut-overs.
  for (int64_t m = -524288; m <= 524288; m += (m > -64 && m < 64) ? 1 : 257) {
    const float at = static_cast<float>(m * 4097);
    for (float x : {at, std::nextafter(at, kInf), std::nextafter(at, -kInf)}) check(x);
  }
  for (float x : {0.0f, -0.0f, 4097.0f, -4097.0f, 4096.9998f, 0x1p31f, -0x1p31f,
                  std::nextafter(0x1p31f, 0.0f), 3e38f, kInf, -kInf, kNaN, 1e-45f}) {
    check(x);
  }
  for (int i = -20000; i <= 20000; ++i) check(static_cast<float>(i) * 1.25f);
}

TEST(LuminanceTable, EveryEntryMatchesItsOwnEvaluation) {
  TestRandom random(21);
  const float scales[] = {1.0f, 2.0f, 0.5f, -1.0f, 3.7f, 0.001f, 1e6f, 0.0f, -2.5f, kNaN, kInf};
  const float offsets[] = {0.0f, 100.0f, -100.0f, 1.0f, 4097.0f, -5000.0f, 0x1p24f, -0x1p31f};
  for (int round = 0; round < 300; ++round) {
    const GradationData g = RandomGradation(random, round % 10 == 0 ? 30 : 6, round % 4 == 3);
    const float exponent = round < 40 ? 4.0f / 3.0f : RandomExponent(random);
    const float scale = round < 20 ? 1.0f : random.Pick(scales);
    const float offset = round < 20 ? 0.0f : random.Pick(offsets);
    uint32_t table[kLuminanceLevels];
    BuildLuminanceTable(g, exponent, scale, offset, table);
    for (int k = 0; k < kLuminanceLevels; ++k) {
      const float position = ReferenceLuminancePosition(k, scale, offset);
      const uint32_t want = PixelWord(g, position, exponent);
      ASSERT_EQ(table[k], want) << "round " << round << " entry " << k << " scale " << scale
                                << " offset " << offset << " exponent " << exponent;
    }
  }
}

TEST(GradationRow, EveryColumnMatchesItsOwnEvaluation) {
  TestRandom random(22);
  for (int round = 0; round < 400; ++round) {
    const GradationData g = RandomGradation(random, 6, round % 4 == 3);
    const float exponent = round < 40 ? 4.0f / 3.0f : RandomExponent(random);
    const int32_t width = 1 + static_cast<int32_t>(random.Below(700));
    const float start = round % 3 == 0 ? 0.0f : random.Uniform(-50.0f, 150.0f);
    const float end = round % 3 == 0 ? 100.0f : random.Uniform(-50.0f, 150.0f);
    const float step = static_cast<float>((static_cast<double>(end) - start) / width);
    std::vector<uint32_t> row(static_cast<size_t>(width));
    FillGradationRow(g, exponent, step, start, row.data(), width);
    for (int32_t x = 0; x < width; ++x) {
      const float position = static_cast<float>(static_cast<double>(x) * step + start);
      ASSERT_EQ(row[static_cast<size_t>(x)], PixelWord(g, position, exponent))
          << "round " << round << " column " << x;
    }
  }
}

}  // namespace
