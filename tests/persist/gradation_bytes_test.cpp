#include "persist/gradation_bytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "allocation_probe.h"
#include "model/banks.h"
#include "record_builder.h"

namespace {

std::vector<uint8_t> Written(const GradationData& gradation) {
  std::vector<uint8_t> bytes(WriteGradationBytes(gradation, nullptr));
  EXPECT_EQ(WriteGradationBytes(gradation, bytes.data()), bytes.size());
  return bytes;
}

TEST(GradationBytes, DefaultGradationIsTheWorkedExampleAndReadsBackToItself) {
  GradationData gradation;
  SetDefaultGradation(gradation);
  const std::vector<uint8_t> expected = {0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                         0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00,
                                         0xC8, 0x42, 0x00, 0x00, 0xC8, 0x42, 0x00, 0x00, 0x00, 0x00,
                                         0x00, 0x00, 0xC8, 0x42, 0x00, 0x00, 0xC8, 0x42};
  EXPECT_EQ(DefaultRecord(), expected);

  // Writing touches exactly the measured bytes.
  std::vector<uint8_t> buffer(expected.size() + 4, 0xAB);
  ASSERT_EQ(WriteGradationBytes(gradation, nullptr), 38u);
  ASSERT_EQ(WriteGradationBytes(gradation, buffer.data()), 38u);
  EXPECT_EQ(std::vector<uint8_t>(buffer.begin(), buffer.begin() + 38), expected);
  EXPECT_EQ(std::vector<uint8_t>(buffer.begin() + 38, buffer.end()), std::vector<uint8_t>(4, 0xAB));

  GradationData read;
  ASSERT_EQ(ReadGradationBytes(read, expected.data(), expected.size()), 38u);
  EXPECT_EQ(Written(read), expected);
}

TEST(GradationBytes, ReaderClampsSortsAndRenumbersAndReplacesEverything) {
  const float nan = std::nanf("");
  struct Case {
    const char* name;
    std::vector<uint8_t> record;
    std::vector<float> colorPositions;
    std::vector<uint8_t> colorReds;  // tells equal positions apart
    std::vector<float> alphaPositions;
    std::vector<float> opacities;
  } cases[] = {
      {"empty", RecordBuilder().Counts(0, 0).Build(), {}, {}, {}, {}},
      {"clamped positions, opacity kept",
       RecordBuilder()
           .Counts(2, 1)
           .Color(1, 0, 0, -5.0f)
           .Color(2, 0, 0, 250.0f)
           .Alpha(250.0f, -1.0f)
           .Build(),
       {0.0f, 100.0f},
       {1, 2},
       {0.0f},
       {250.0f}},
      {"sorted",
       RecordBuilder()
           .Counts(3, 0)
           .Color(8, 0, 0, 80.0f)
           .Color(2, 0, 0, 20.0f)
           .Color(5, 0, 0, 50.0f)
           .Build(),
       {20.0f, 50.0f, 80.0f},
       {2, 5, 8},
       {},
       {}},
      {"ties keep record order, clamped ones too",
       RecordBuilder()
           .Counts(3, 0)
           .Color(1, 0, 0, 100.0f)
           .Color(2, 0, 0, 300.0f)
           .Color(3, 0, 0, 100.0f)
           .Build(),
       {100.0f, 100.0f, 100.0f},
       {1, 2, 3},
       {},
       {}},
      {"colour only",
       RecordBuilder().Counts(1, 0).Color(9, 0, 0, 40.0f).Build(),
       {40.0f},
       {9},
       {},
       {}},
      {"NaN position taken as it is",
       RecordBuilder().Counts(1, 0).Color(4, 0, 0, nan).Build(),
       {nan},
       {4},
       {},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GradationData gradation;
    for (int i = 0; i < 7; ++i) AddColorStop(gradation, 10.0f * i, Rgb{});
    AddAlphaStop(gradation, 50.0f, 10.0f);

    ASSERT_EQ(ReadGradationBytes(gradation, c.record.data(), c.record.size()), c.record.size());
    ASSERT_EQ(gradation.colorStops.size(), c.colorPositions.size());
    ASSERT_EQ(gradation.alphaStops.size(), c.alphaPositions.size());
    for (size_t i = 0; i < gradation.colorStops.size(); ++i) {
      const ColorStop& stop = gradation.colorStops[i];
      EXPECT_TRUE(stop.position == c.colorPositions[i] ||
                  (std::isnan(stop.position) && std::isnan(c.colorPositions[i])));
      EXPECT_EQ(stop.red, c.colorReds[i]);
      EXPECT_EQ(stop.serial, static_cast<int32_t>(i));
      EXPECT_TRUE(stop.active);
    }
    for (size_t i = 0; i < gradation.alphaStops.size(); ++i) {
      EXPECT_EQ(gradation.alphaStops[i].position, c.alphaPositions[i]);
      EXPECT_EQ(gradation.alphaStops[i].opacity, c.opacities[i]);
      EXPECT_EQ(gradation.alphaStops[i].serial, static_cast<int32_t>(i));
      EXPECT_TRUE(gradation.alphaStops[i].active);
    }
    // Written again: sorted, clamped, and stable under another round.
    GradationData again;
    const std::vector<uint8_t> rewritten = Written(gradation);
    ASSERT_EQ(ReadGradationBytes(again, rewritten.data(), rewritten.size()), rewritten.size());
    EXPECT_EQ(Written(again), rewritten);
  }
}

TEST(GradationBytes, RecordsThatDoNotFitAreRejectedWholeAndTrailingBytesIgnored) {
  const std::vector<uint8_t> whole = DefaultRecord();
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    size_t available;
    size_t expected;
  } cases[] = {
      {"nothing", {}, 0, 0},
      {"seven bytes", std::vector<uint8_t>(whole.begin(), whole.begin() + 7), 7, 0},
      {"header only", std::vector<uint8_t>(whole.begin(), whole.begin() + 8), 8, 0},
      {"one byte short", whole, 37, 0},
      {"counts at their maximum", RecordBuilder().Counts(UINT32_MAX, UINT32_MAX).Build(), 8, 0},
      // 8 + 7n and 8 + 8m wrap to 11 and 8 in 32 bits.
      {"7n past 2^32", RecordBuilder().Counts(0x24924925u, 0).Bytes({1, 2, 3}).Build(), 11, 0},
      {"8m past 2^32", RecordBuilder().Counts(0, 0x20000000u).Build(), 8, 0},
      {"exact", whole, 38, 38},
      {"trailing bytes", RecordBuilder().Bytes(whole).U32(0xDEADBEEF).Build(), 42, 38},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GradationData gradation;
    AddColorStop(gradation, 42.0f, Rgb{1, 2, 3});
    // An exact-size heap copy, so that AddressSanitizer sees any over-read.
    std::vector<uint8_t> input(c.bytes.begin(), c.bytes.begin() + c.available);
    const AllocationProbe probe;
    EXPECT_EQ(ReadGradationBytes(gradation, input.data(), input.size()), c.expected);
    if (c.expected == 0) {
      EXPECT_EQ(probe.Largest(), 0u);
      ASSERT_EQ(gradation.colorStops.size(), 1u);
      EXPECT_EQ(gradation.colorStops[0].position, 42.0f);
      EXPECT_TRUE(gradation.alphaStops.empty());
    } else {
      EXPECT_EQ(Written(gradation), whole);
    }
  }
}

}  // namespace
