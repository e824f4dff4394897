#include "interchange/gradient_strip.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "model/evaluate.h"
#include "support/random_gradations.h"

namespace {

uint32_t Word(int a, int r, int g, int b) {
  return static_cast<uint32_t>(a) << 24 | static_cast<uint32_t>(r) << 16 |
         static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b);
}

int Channel(uint32_t word, int shift) { return static_cast<int>((word >> shift) & 0xFF); }

bool Visible(uint32_t word) { return (word >> 24) > 1; }  // alpha above 0.5 %

// A step of more than 32 levels: in alpha, or in colour between pixels
// whose colour is compared.
bool Edge(uint32_t a, uint32_t b) {
  if (std::abs(Channel(a, 24) - Channel(b, 24)) > 32) return true;
  if (!Visible(a) || !Visible(b)) return false;
  for (int shift = 0; shift < 24; shift += 8) {
    if (std::abs(Channel(a, shift) - Channel(b, shift)) > 32) return true;
  }
  return false;
}

// Where the gradation, evaluated as the editor does, strays from a pixel
// centre that is not beside an edge; empty if nowhere.
std::string Mismatch(const GradationData& gradation, const std::vector<uint32_t>& row) {
  const int width = static_cast<int>(row.size());
  for (int x = 0; x < width; ++x) {
    if ((x > 0 && Edge(row[x - 1], row[x])) || (x + 1 < width && Edge(row[x], row[x + 1]))) {
      continue;
    }
    const float position = static_cast<float>(x / (width - 1.0) * 100.0);
    const float opacity = EvaluateOpacity(gradation, position, kEditorCurveExponent);
    if (std::fabs(opacity - Channel(row[x], 24) / 2.55) > 1.0 + 1e-9) {
      return "opacity at pixel " + std::to_string(x) + ": " + std::to_string(opacity);
    }
    if (!Visible(row[x])) continue;
    const uint32_t color = EvaluateColor(gradation, position, kEditorCurveExponent);
    for (int shift = 0; shift < 24; shift += 8) {
      if (std::abs(Channel(color, shift) - Channel(row[x], shift)) > 1) {
        return "colour at pixel " + std::to_string(x);
      }
    }
  }
  return "";
}

std::vector<uint32_t> Pixels(int width, const std::function<uint32_t(int)>& pixel) {
  std::vector<uint32_t> row;
  for (int x = 0; x < width; ++x) row.push_back(pixel(x));
  return row;
}

// The row as the middle of a picture whose other rows are noise.
std::vector<uint32_t> Strip(const std::vector<uint32_t>& row, int height) {
  TestRandom random(static_cast<uint64_t>(height));
  std::vector<uint32_t> pixels;
  for (int y = 0; y < height; ++y) {
    for (uint32_t word : row) {
      pixels.push_back(y == height / 2 ? word : static_cast<uint32_t>(random.Next()));
    }
  }
  return pixels;
}

template <typename Stop>
int Jumps(const std::vector<Stop>& stops) {
  int jumps = 0;
  for (size_t i = 1; i < stops.size(); ++i) jumps += stops[i].position == stops[i - 1].position;
  return jumps;
}

TEST(GradientStrip, FollowsEveryPixelButThoseBesideEdges) {
  TestRandom random(5);
  struct Row {
    const char* name;
    std::vector<uint32_t> row;
    int height;
    size_t maxColorStops, maxOpacityStops;
    int colorJumps, opacityJumps;
  } rows[] = {
      {"grey ramp", Pixels(256, [](int x) { return Word(255, x, x, x); }), 1, 16, 2, 0, 0},
      {"two ramps meeting at a step",
       Pixels(
           300,
           [](int x) { return x < 150 ? Word(255, x, 0, 40) : Word(255, 255 - x / 2, 200, 40); }),
       3, 16, 2, 1, 0},
      // Colour under full transparency is free: its noise costs no stops.
      {"fading out over noise",
       Pixels(200,
              [&random](int x) {
                return x < 150 ? Word(255 - x * 255 / 150, 30, 90, 200)
                               : static_cast<uint32_t>(random.Next()) & 0x00FFFFFF;
              }),
       4, 2, 20, 0, 0},
      {"a clear hole",
       Pixels(120,
              [](int x) { return x >= 40 && x < 50 ? Word(0, 0, 0, 0) : Word(255, 250, 120, 20); }),
       2, 2, 6, 0, 2},
      {"two pixels", Pixels(2, [](int x) { return Word(255, x * 255, 0, 0); }), 1, 4, 2, 1, 0},
      {"noisy ramp",
       Pixels(400,
              [&random](int x) {
                const int v = x * 200 / 399 + static_cast<int>(random.Below(7)) - 3;
                return Word(255, v + 20, 120, 230 - v);
              }),
       5, 300, 2, 0, 0},
      {"wide waves",
       Pixels(4000,
              [](int x) {
                const double t = x / 3999.0;
                return Word(static_cast<int>(200 + 55 * std::sin(t * 9)),
                            static_cast<int>(127.5 + 127.5 * std::sin(t * 20)),
                            static_cast<int>(127.5 + 127.5 * std::cos(t * 7)), 90);
              }),
       1, 140, 44, 0, 0},
  };
  for (const Row& row : rows) {
    const std::vector<uint32_t> pixels = Strip(row.row, row.height);
    const StripResult result =
        FitGradientStrip(pixels.data(), static_cast<int32_t>(row.row.size()), row.height);
    ASSERT_TRUE(result.ok()) << row.name << ": " << result.error;
    const GradationData& gradation = result.fitted.gradation;
    EXPECT_EQ(Mismatch(gradation, row.row), "") << row.name;
    EXPECT_EQ(result.fitted.report.colorStopCount, gradation.colorStops.size()) << row.name;
    EXPECT_EQ(result.fitted.report.opacityStopCount, gradation.alphaStops.size()) << row.name;
    EXPECT_LE(gradation.colorStops.size(), row.maxColorStops) << row.name;
    EXPECT_LE(gradation.alphaStops.size(), row.maxOpacityStops) << row.name;
    EXPECT_EQ(Jumps(gradation.colorStops), row.colorJumps) << row.name;
    EXPECT_EQ(Jumps(gradation.alphaStops), row.opacityJumps) << row.name;
  }
}

TEST(GradientStrip, NeedsTwoPixelsInARow) {
  const uint32_t pixels[3] = {0xFF000000, 0xFF000000, 0xFF000000};
  EXPECT_EQ(FitGradientStrip(pixels, 1, 3).error,
            "the picture is 1 pixels wide; a gradient strip needs at least 2");
}

}  // namespace
