#include "interchange/tone_map.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "image/image_passes.h"
#include "model/evaluate.h"
#include "support/photo_like.h"

namespace {

uint32_t Index(uint32_t word) { return LuminanceIndex(word); }

uint32_t Grey(uint32_t level) { return 0xFF000000u | level * 0x010101u; }

// Some opaque colour at the luminance index, other than grey where it can.
uint32_t ColorAtIndex(uint32_t index, uint32_t red) {
  for (uint32_t g = 0; g < 256; ++g) {
    for (uint32_t b = 0; b < 256; ++b) {
      const uint32_t word = 0xFF000000u | red << 16 | g << 8 | b;
      if (LuminanceIndex(word) == index) return word;
    }
  }
  ADD_FAILURE() << "no colour with red " << red << " at index " << index;
  return 0;
}

ToneColor Levels(uint32_t word) {
  return {static_cast<double>((word >> 16) & 0xFF), static_cast<double>((word >> 8) & 0xFF),
          static_cast<double>(word & 0xFF)};
}

ToneColor Mix(uint32_t a, uint32_t b, double t) {
  const ToneColor x = Levels(a), y = Levels(b);
  return {x[0] + (y[0] - x[0]) * t, x[1] + (y[1] - x[1]) * t, x[2] + (y[2] - x[2]) * t};
}

std::vector<uint32_t> Repeat(std::vector<uint32_t> words, int times) {
  std::vector<uint32_t> out;
  for (int i = 0; i < times; ++i) out.insert(out.end(), words.begin(), words.end());
  return out;
}

std::vector<uint32_t> GreyRamp() {
  std::vector<uint32_t> pixels;
  for (uint32_t level = 0; level < 256; ++level) pixels.push_back(Grey(level));
  return pixels;
}

std::vector<uint32_t> SepiaRamp() {
  std::vector<uint32_t> pixels;
  for (uint32_t i = 0; i < 256; ++i) {
    const uint32_t r = i, g = 10 + i * 200 / 255, b = i * 140 / 255;
    pixels.push_back(0xFF000000u | r << 16 | g << 8 | b);
  }
  return pixels;
}

// RMS error over R, G and B of the counted pixels after recolouring them as
// ColorReMap_Luminance does with its default arguments.
double MeasuredRms(const std::vector<uint32_t>& pixels, const GradationData& gradation) {
  std::vector<uint32_t> recoloured = pixels;
  RecolorByLuminance(gradation, kEditorCurveExponent, 1.0f, 0.0f, recoloured.data(),
                     recoloured.size());
  double sum = 0.0;
  size_t counted = 0;
  for (size_t i = 0; i < pixels.size(); ++i) {
    if ((pixels[i] >> 24) == 0) continue;
    ++counted;
    for (int shift = 0; shift < 24; shift += 8) {
      const double d = static_cast<double>((pixels[i] >> shift) & 0xFF) -
                       static_cast<double>((recoloured[i] >> shift) & 0xFF);
      sum += d * d;
    }
  }
  return std::sqrt(sum / (3.0 * static_cast<double>(counted)));
}

TEST(ToneMap, AveragesEachIndexAndBridgesTheGaps) {
  const uint32_t navy = 0xFF102060, orange = 0xFFF0A040;
  const uint32_t red = ColorAtIndex(2000, 200), teal = ColorAtIndex(2000, 10);
  const uint32_t near = ColorAtIndex(2002, 90), far = ColorAtIndex(3000, 40);
  struct Check {
    int index;
    ToneColor expected;
  };
  struct Row {
    const char* name;
    std::vector<uint32_t> pixels;
    int radius;
    std::vector<Check> checks;
  } rows[] = {
      {"grey ramp",
       GreyRamp(),
       0,
       {{static_cast<int>(Index(Grey(100))), Levels(Grey(100))},
        {static_cast<int>(Index(Grey(100)) + Index(Grey(101))) / 2,
         Mix(Grey(100), Grey(101),
             static_cast<double>((Index(Grey(101)) - Index(Grey(100))) / 2) /
                 (Index(Grey(101)) - Index(Grey(100))))}}},
      {"two tones: constant beyond them, a straight line between",
       {navy, orange, orange},
       0,
       {{0, Levels(navy)},
        {4096, Levels(orange)},
        {static_cast<int>(Index(navy) + Index(orange)) / 2,
         Mix(navy, orange,
             static_cast<double>((Index(orange) - Index(navy)) / 2) /
                 (Index(orange) - Index(navy)))}}},
      // Transparent pixels never count; the faintest alpha does.
      {"one index, two hues",
       {red, teal, teal, 0x00FFFFFFu & ColorAtIndex(2000, 255), 0x01000000u | (teal & 0xFFFFFF)},
       0,
       {{2000, Mix(red, teal, 0.75)}, {0, Mix(red, teal, 0.75)}}},
      // The bar's window reaches two indexes either way.
      {"bar over five indexes",
       {red, near, near, near, far},
       kToneMapBarRadius,
       {{1998, Levels(red)},
        {2000, Mix(red, near, 0.75)},
        {2001, Mix(red, near, 0.75)},
        {2004, Levels(near)},
        {2500, Mix(near, far, (2500.0 - 2004) / (2998 - 2004))},
        {4096, Levels(far)}}},
  };
  for (const Row& row : rows) {
    const std::vector<ToneColor> map =
        AveragedToneMap(HistogramOf(row.pixels.data(), row.pixels.size()), row.radius);
    ASSERT_EQ(map.size(), static_cast<size_t>(kLuminanceLevels)) << row.name;
    for (const Check& check : row.checks) {
      for (int c = 0; c < 3; ++c) {
        EXPECT_NEAR(map[static_cast<size_t>(check.index)][c], check.expected[c], 1e-9)
            << row.name << " at " << check.index << " channel " << c;
      }
    }
  }
  EXPECT_TRUE(AveragedToneMap(HistogramOf(nullptr, 0), 0).empty());
}

TEST(ToneMap, FitsWithinHalfALevelOfTheBar) {
  const uint32_t navy = 0xFF102060, orange = 0xFFF0A040;
  struct Row {
    const char* name;
    std::vector<uint32_t> pixels;
    size_t maxStops;
    double maxRms;  // beyond the bar's allowance, or -1
  } rows[] = {
      {"one colour", Repeat({0xFF8040C0}, 50), 2, 0.0},
      {"one colour under a clear one", {0xFF8040C0, 0x0012FF34}, 2, 0.0},
      {"two tones", Repeat({navy, orange, orange}, 20), 2, 0.0},
      {"sparse", {Grey(3), 0xFF2060A0, 0xFFC02020, 0xFF70F070, Grey(250)}, 5, 0.5},
      // One colour per index, exact: the bar is the ramp itself.
      {"grey ramp", Repeat(GreyRamp(), 4), 32, -1},
      {"sepia ramp", Repeat(SepiaRamp(), 4), 32, -1},
      // Smooth maps under grain: a handful of stops reach the bar.
      {"photo-like 1", PhotoLikePixels(192, 128, 1), 12, -1},
      {"photo-like 2", PhotoLikePixels(192, 128, 2), 12, -1},
      {"photo-like 3", PhotoLikePixels(160, 160, 3), 12, -1},
  };
  for (const Row& row : rows) {
    const ToneMapResult result = ExtractToneMap(row.pixels.data(), row.pixels.size());
    ASSERT_TRUE(result.ok()) << row.name << ": " << result.error;
    const ToneMapReport& report = result.report;
    EXPECT_EQ(report.colorStops, result.gradation.colorStops.size()) << row.name;
    EXPECT_GE(report.colorStops, 2u) << row.name;
    EXPECT_LE(report.colorStops, row.maxStops) << row.name;
    EXPECT_NEAR(report.rms, MeasuredRms(row.pixels, result.gradation), 1e-9) << row.name;
    EXPECT_LE(report.excess, kToneMapAllowedExcess) << row.name;
    EXPECT_DOUBLE_EQ(report.excess, report.rms - report.barRms) << row.name;
    if (row.maxRms >= 0.0) {
      EXPECT_LE(report.rms, row.maxRms) << row.name;
    }
    for (float x : {0.0f, 37.5f, 100.0f}) {
      EXPECT_EQ(EvaluateOpacity(result.gradation, x, kEditorCurveExponent), 100.0f) << row.name;
    }
  }
}

TEST(ToneMap, KeepsWithinTheStopCap) {
  const std::vector<uint32_t> pixels = PhotoLikePixels(160, 120, 7);
  // Every fit starts from the two end stops, so no cap does worse than 2.
  const ToneMapResult two = ExtractToneMap(pixels.data(), pixels.size(), 2);
  ASSERT_TRUE(two.ok());
  EXPECT_EQ(two.report.colorStops, 2u);
  for (int cap : {3, 5, kToneMapMaxStops}) {
    const ToneMapResult capped = ExtractToneMap(pixels.data(), pixels.size(), cap);
    ASSERT_TRUE(capped.ok()) << cap;
    EXPECT_LE(capped.report.colorStops, static_cast<size_t>(cap));
    EXPECT_NEAR(capped.report.rms, MeasuredRms(pixels, capped.gradation), 1e-9) << cap;
    EXPECT_LE(capped.report.rms, two.report.rms) << cap;
  }
  for (int cap : {kToneMapMinStops - 1, kToneMapMaxStops + 1}) {
    EXPECT_EQ(ExtractToneMap(pixels.data(), pixels.size(), cap).error,
              "the number of stops must be 2 to 64");
  }
}

TEST(ToneMap, RefusesPicturesWithoutCountedPixels) {
  const std::vector<uint32_t> clear = {0x00FFFFFF, 0x00000000, 0x00808080};
  for (size_t count : {size_t{0}, clear.size()}) {
    EXPECT_EQ(ExtractToneMap(clear.data(), count).error,
              "the picture has no pixel that is not fully transparent");
  }
}

}  // namespace
