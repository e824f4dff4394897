#include "editor/canvas_raster.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "model/banks.h"
#include "model/evaluate.h"
#include "support/random_gradations.h"

namespace {

constexpr uint32_t kFace = 0xD4D0C8;  // a button face unlike any drawn colour

GradationData Default() {
  GradationData g;
  SetDefaultGradation(g);
  return g;
}

CanvasRaster Render(const GradationData& g, int32_t width = 418) {
  CanvasRaster raster;
  RenderCanvas(g, width, width, kFace, raster);
  return raster;
}

// The expected marker, typed from the published pixel maps: rows top-down,
// columns -4..+4; K black, W white, G 0xCCCCCC, S swatch, '.' untouched.
void ExpectMarker(const CanvasRaster& r, int32_t centre, int32_t top, const char* const rows[12],
                  uint32_t swatch, const std::string& what) {
  for (int row = 0; row < 12; ++row) {
    for (int col = 0; col < 9; ++col) {
      const int32_t x = centre - 4 + col;
      if (x < 0 || x >= r.width) continue;
      const char c = rows[row][col];
      if (c == '.') continue;
      const uint32_t want = c == 'K'   ? 0x000000
                            : c == 'W' ? 0xFFFFFF
                            : c == 'G' ? 0xCCCCCC
                                       : swatch;
      EXPECT_EQ(r.At(x, top + row), want) << what << " row " << top + row << " col " << col - 4;
    }
  }
}

const char* const kColorRows[12] = {"KKKKKKKKK", "KWWWWWWWK", "KWSSSSSGK", "KWSSSSSGK",
                                    "KWSSSSSGK", "KWSSSSSGK", "KWSSSSSGK", "KWWGGGGGK",
                                    ".KWWWWGK.", "..KWWGK..", "...KGK...", "....K...."};
const char* const kAlphaRows[12] = {"....K....", "...KGK...", "..KWWGK..", ".KWWWWGK.",
                                    "KWWWWWWGK", "KWSSSSSGK", "KWSSSSSGK", "KWSSSSSGK",
                                    "KWSSSSSGK", "KWSSSSSGK", "KWWGGGGGK", "KKKKKKKKK"};

TEST(CanvasMapping, ColumnsAndPositions) {
  EXPECT_EQ(StopToX(418, 0.0f), 9);
  EXPECT_EQ(StopToX(418, 100.0f), 408);
  EXPECT_EQ(StopToX(419, 50.0f), 209);
  EXPECT_EQ(StopToX(418, 33.3f), 9 + static_cast<int>(399 * 33.3f / 100.0));
  EXPECT_EQ(XToPosition(418, 15), 1.5f);
  EXPECT_EQ(XToPosition(418, 9), 0.0f);
  EXPECT_EQ(XToPosition(418, 409), 100.0f);
  EXPECT_EQ(XToPosition(418, 0), -2.25f);
  // Far-off positions stay clear of int32's ends.
  EXPECT_LT(StopToX(418, 1e30f), 0);
  EXPECT_LT(StopToX(418, -1e30f), 0);
  EXPECT_LT(StopToX(418, std::numeric_limits<float>::quiet_NaN()), 0);
}

TEST(Canvas, DefaultGradationAt418) {
  const CanvasRaster r = Render(Default());
  ASSERT_EQ(r.width, 418);
  ASSERT_EQ(r.pixels.size(), 418u * 56u);
  // Background outside the bar and the markers.
  EXPECT_EQ(r.At(0, kCanvasTop), kFace);
  EXPECT_EQ(r.At(200, 80), kFace);
  EXPECT_EQ(r.At(417, kCanvasBottom - 1), kFace);
  // Frame: columns 8 and W-9, rows 90 and 121.
  for (int32_t y = 90; y <= 121; ++y) {
    EXPECT_EQ(r.At(8, y), 0u);
    EXPECT_EQ(r.At(409, y), 0u);
  }
  for (int32_t x = 8; x <= 409; ++x) {
    EXPECT_EQ(r.At(x, 90), 0u) << x;
    EXPECT_EQ(r.At(x, 121), 0u) << x;
  }
  EXPECT_EQ(r.At(7, 100), kFace);
  EXPECT_EQ(r.At(410, 100), kFace);
  // 400 interior columns, each one colour top to bottom, black to near white.
  uint32_t previous = 0;
  for (int32_t x = 9; x <= 408; ++x) {
    const uint32_t top = r.At(x, 91);
    for (int32_t y = 92; y <= 120; ++y) ASSERT_EQ(r.At(x, y), top) << x << "," << y;
    ASSERT_EQ(top & 0xFF, top >> 16) << "grey";
    ASSERT_GE(top, previous);
    previous = top;
  }
  EXPECT_EQ(r.At(9, 100), 0x000000u);
  EXPECT_EQ(r.At(209, 100), 0x808080u);  // column 200: position 50
  EXPECT_EQ(r.At(408, 100), 0xFFFFFFu);  // 99.75 rounds up to white
  ExpectMarker(r, 9, kColorMarkerTop, kColorRows, 0x000000, "black stop");
  ExpectMarker(r, 408, kColorMarkerTop, kColorRows, 0xFFFFFF, "white stop");
  ExpectMarker(r, 9, kAlphaMarkerTop, kAlphaRows, 0xFFFFFF, "opaque stop at 0");
  ExpectMarker(r, 408, kAlphaMarkerTop, kAlphaRows, 0xFFFFFF, "opaque stop at 100");
}

TEST(Canvas, MarkerBevelsDifferAndSwatchesShowValues) {
  GradationData g;
  AddColorStop(g, 50.0f, Rgb{0x12, 0x34, 0x56});
  AddAlphaStop(g, 25.0f, 50.0f);
  AddAlphaStop(g, 75.0f, 0.0f);
  const CanvasRaster r = Render(g);
  const int32_t c = StopToX(418, 50.0f);
  ExpectMarker(r, c, kColorMarkerTop, kColorRows, 0x123456, "colour");
  ExpectMarker(r, StopToX(418, 25.0f), kAlphaMarkerTop, kAlphaRows, 0x7F7F7F, "opacity 50");
  ExpectMarker(r, StopToX(418, 75.0f), kAlphaMarkerTop, kAlphaRows, 0x000000, "opacity 0");
  EXPECT_EQ(r.At(c + 3, 79), 0xFFFFFFu);                     // colour: white to +3
  EXPECT_EQ(r.At(StopToX(418, 25.0f) + 3, 126), 0xCCCCCCu);  // transparency: grey at +3
  // Untouched corners of the points keep the background.
  EXPECT_EQ(r.At(c - 4, 86), kFace);
  EXPECT_EQ(r.At(c + 1, 89), kFace);
}

TEST(Canvas, TransparentGradationShowsOnlyTheCheckerboard) {
  GradationData g;
  AddColorStop(g, 0.0f, Rgb{255, 0, 0});
  AddAlphaStop(g, 0.0f, 0.0f);
  AddAlphaStop(g, 100.0f, 0.0f);
  g.colorStops[0].active = false;  // no markers over the bar's rows anyway
  const CanvasRaster r = Render(g);
  for (int32_t i = 0; i < 400; ++i) {
    for (int32_t j = 0; j < 30; ++j) {
      const uint32_t want = (i / 8 + j / 8) % 2 == 1 ? 0xCCCCCC : 0xFFFFFF;
      ASSERT_EQ(r.At(9 + i, 91 + j), want) << i << "," << j;
    }
  }
  EXPECT_EQ(r.At(9, 91), 0xFFFFFFu);
}

TEST(Canvas, OnlyFullOpacityIsPlain) {
  struct Case {
    float opacity;
    bool plain;
  } cases[] = {{100.0f, true}, {150.0f, true}, {99.9f, false}, {50.0f, false}};
  for (const Case& c : cases) {
    GradationData g;
    // Channels above 204, so that even a = 0.999 darkens the dark cells by one.
    AddColorStop(g, 0.0f, Rgb{0xF0, 0xE0, 0xD0});
    AddAlphaStop(g, 0.0f, c.opacity);
    const CanvasRaster r = Render(g);
    const uint32_t cellA = r.At(20, 95), cellB = r.At(20, 100);  // rows j = 4 and j = 9
    if (c.plain) {
      EXPECT_EQ(cellA, 0xF0E0D0u) << c.opacity;
      EXPECT_EQ(cellB, 0xF0E0D0u) << c.opacity;
    } else {
      EXPECT_NE(cellA, cellB) << c.opacity;
    }
  }
  GradationData almost;
  AddColorStop(almost, 0.0f, Rgb{0xF0, 0xE0, 0xD0});
  AddAlphaStop(almost, 0.0f, 99.9f);
  const CanvasRaster nearlyOpaque = Render(almost);
  EXPECT_EQ(nearlyOpaque.At(9, 91), 0xF0E0D0u);
  EXPECT_EQ(nearlyOpaque.At(17, 91), 0xEFDFCFu);
  // The blends truncate toward zero in each channel: a = 0.5 over 0x204060.
  GradationData half;
  AddColorStop(half, 0.0f, Rgb{0x20, 0x40, 0x60});
  AddAlphaStop(half, 0.0f, 50.0f);
  const CanvasRaster r = Render(half);
  EXPECT_EQ(r.At(9, 91), (0x8Fu << 16) | (0x9Fu << 8) | 0xAFu);   // (c + 255) / 2
  EXPECT_EQ(r.At(17, 91), (0x76u << 16) | (0x86u << 8) | 0x96u);  // (c + 204) / 2
}

TEST(Canvas, OutOfRangeOpacityKeepsLowBits) {
  GradationData g;
  AddColorStop(g, 0.0f, Rgb{0, 0, 0});
  AddAlphaStop(g, 0.0f, -100.0f);  // a = -1: light = 2 x 255, dark = 2 x 204
  AddAlphaStop(g, 40.0f, -100.0f);
  AddAlphaStop(g, 50.0f, 110.0f);
  const CanvasRaster r = Render(g);
  EXPECT_EQ(r.At(9, 91), 0xFEFEFEu);   // 510 & 0xFF
  EXPECT_EQ(r.At(17, 91), 0x989898u);  // 408 & 0xFF
  // Marker grey of 110: trunc(280.5) = 280 -> 0x18.
  ExpectMarker(r, StopToX(418, 50.0f), kAlphaMarkerTop, kAlphaRows, 0x181818, "opacity 110");
}

TEST(Canvas, InactiveStopsAreAbsent) {
  GradationData g = Default();
  AddColorStop(g, 50.0f, Rgb{255, 0, 0});
  const CanvasRaster withRed = Render(g);
  EXPECT_EQ(withRed.At(StopToX(418, 50.0f), 82), 0xFF0000u);
  g.colorStops[1].active = false;
  EXPECT_EQ(Render(g).pixels, Render(Default()).pixels);
}

TEST(Canvas, LaterMarkersOverwriteEarlierOnes) {
  GradationData g;
  AddColorStop(g, 50.0f, Rgb{255, 0, 0});
  AddColorStop(g, 50.5f, Rgb{0, 0, 255});
  const CanvasRaster r = Render(g);
  const int32_t second = StopToX(418, 50.5f);
  ASSERT_EQ(second, StopToX(418, 50.0f) + 2);
  EXPECT_EQ(r.At(second - 2, 82), 0x0000FFu);  // the red swatch's centre, now blue's
}

TEST(Canvas, NarrowAndWildInputsClip) {
  GradationData wild = Default();
  AddColorStop(wild, -50.0f, Rgb{1, 2, 3});
  AddColorStop(wild, 1e30f, Rgb{4, 5, 6});
  AddAlphaStop(wild, 200.0f, 1e30f);
  for (int32_t width : {0, 1, 5, 16, 17, 18, 19, 20, 418}) {
    const CanvasRaster r = Render(wild, width);
    EXPECT_EQ(r.pixels.size(), static_cast<size_t>(width) * 56u);
  }
  // Below 19 there is no interior, but the frame is still drawn.
  const CanvasRaster narrow = Render(Default(), 18);
  EXPECT_EQ(narrow.At(8, 100), 0u);
  EXPECT_EQ(narrow.At(9, 100), 0u);  // right edge of the outline (W - 9)
}

// The bar takes its values from the sampler; each column must show what the
// single-point evaluators give there. A constant gradation of that colour and
// opacity draws the expected column (its drawing is checked above) at any
// column of the same checkerboard phase.
TEST(Canvas, BarColumnsShowTheEvaluatorsValues) {
  TestRandom random(418);
  for (int round = 0; round < 24; ++round) {
    const GradationData g = RandomGradation(random, 10, round % 3 == 2);
    for (int32_t width : {19, 83, 418, 1000}) {
      const CanvasRaster r = Render(g, width);
      const int32_t n = width - 18;
      for (int32_t i = 0; i < n; ++i) {
        const float position = static_cast<float>(i * 100.0 / static_cast<float>(n));
        GradationData constant;
        AddColorStop(constant, 0.0f,
                     RgbFromPacked(EvaluateColor(g, position, kEditorCurveExponent)));
        AddAlphaStop(constant, 0.0f, EvaluateOpacity(g, position, kEditorCurveExponent));
        const CanvasRaster expected = Render(constant, 18 + 16);
        for (int32_t y = 91; y <= 120; ++y) {
          ASSERT_EQ(r.At(9 + i, y), expected.At(9 + i % 16, y))
              << "round " << round << ", width " << width << ", column " << i << ", row " << y;
        }
      }
    }
  }
}

// A strip of n columns is the bar of a canvas n + 18 wide, cut to its rows:
// its rows repeat the bar's from the top, checkerboard included.
TEST(Canvas, StripShowsTheBarsColumns) {
  TestRandom random(64);
  for (int round = 0; round < 12; ++round) {
    const GradationData g = RandomGradation(random, 10, round % 3 == 2);
    for (auto [width, height] : {std::pair{64, 12}, std::pair{7, 30}, std::pair{0, 5}}) {
      std::vector<uint32_t> strip;
      RenderGradationStrip(g, width, height, strip);
      ASSERT_EQ(strip.size(), static_cast<size_t>(width * height));
      const CanvasRaster bar = Render(g, width + 18);
      for (int32_t j = 0; j < height; ++j) {
        for (int32_t i = 0; i < width; ++i) {
          ASSERT_EQ(strip[static_cast<size_t>(j * width + i)], bar.At(9 + i, 91 + j))
              << "round " << round << ", width " << width << ", column " << i << ", row " << j;
        }
      }
    }
  }
}

}  // namespace
