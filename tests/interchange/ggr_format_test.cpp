#include "interchange/ggr_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "interchange/fit_tolerance.h"
#include "interchange/fitting.h"
#include "interchange/linear_export.h"
#include "support/file_bytes.h"
#include "support/random_gradations.h"

namespace {

SourceGradient ReadOne(const std::string& text) {
  ReadResult result = ReadGgr(text);
  EXPECT_TRUE(result.ok()) << result.error << "\n" << text;
  if (!result.ok() || result.gradients.size() != 1) {
    SourceGradient none;
    none.colorAt = [](double) { return SourceColor{}; };
    return none;
  }
  return result.gradients[0];
}

std::string OneSegment(const std::string& middle, int blend, const std::string& colours,
                       int coloring) {
  return "GIMP Gradient\nName: t\n1\n0 " + middle + " 1 " + colours + " " + std::to_string(blend) +
         " " + std::to_string(coloring) + "\n";
}

// Black and clear to white and opaque: every channel shows the factor.
const std::string kRamp = "0 0 0 0 1 1 1 1";

TEST(GgrFormat, BlendFunctionsMatchHandWorkedFactors) {
  struct Row {
    const char* middle;
    int blend;
    double position, factor;
  } rows[] = {
      {"0.5", 0, 0.25, 0.25},
      {"0.2", 0, 0.1, 0.25},
      {"0.2", 0, 0.6, 0.75},
      {"0.25", 1, 0.25, 0.5},
      {"0.25", 1, 0.5625, 0.75},
      {"0.5", 2, 0.25, 0.1464466},
      {"0.5", 2, 0.5, 0.5},
      {"0.5", 3, 0.5, 0.8660254},
      {"0.5", 3, 0.25, 0.6614378},
      {"0.5", 4, 0.5, 0.1339746},
      {"0.3", 5, 0.29, 0.0},
      {"0.3", 5, 0.3, 1.0},
      // Middles at the ends: linear jumps to or stops at a half.
      {"0", 0, 0.0, 0.0},
      {"0", 0, 0.5, 0.75},
      {"1", 0, 0.5, 0.25},
      {"0.5", 1, 1.0, 1.0},
  };
  for (const Row& row : rows) {
    const SourceColor c =
        ReadOne(OneSegment(row.middle, row.blend, kRamp, 0)).colorAt(row.position);
    for (double channel : {c.red, c.green, c.blue, c.alpha}) {
      EXPECT_NEAR(channel, row.factor, 1e-6) << row.blend << " at " << row.position;
    }
  }
  // Curved with its middle at an end has no finite exponent; it still paints in range.
  for (const char* middle : {"0", "1"}) {
    const SourceGradient curved = ReadOne(OneSegment(middle, 1, kRamp, 0));
    for (double x : {0.0, 0.3, 1.0}) {
      const double red = curved.colorAt(x).red;
      EXPECT_TRUE(red >= 0.0 && red <= 1.0) << middle << " " << x;
    }
  }
}

TEST(GgrFormat, HsvColouringTurnsTheHueEitherWay) {
  const std::string redToBlue = "1 0 0 1 0 0 1 1", redToRed = "1 0 0 1 1 0 0 1";
  struct Row {
    std::string colours;
    int coloring;
    double position;
    SourceColor expected;
  } rows[] = {
      {redToBlue, 1, 0.5, {0, 1, 0, 1}},                   // counter-clockwise through green
      {redToBlue, 2, 0.5, {1, 0, 1, 1}},                   // clockwise through magenta
      {redToRed, 1, 0.5, {0, 1, 1, 1}},                    // equal hues: a full turn
      {redToRed, 2, 0.25, {0.5, 0, 1, 1}},                 // a quarter turn back: violet
      {"1 0 0 1 0 0 0 0", 1, 0.5, {0.25, 0.5, 0.5, 0.5}},  // to black: s and v halve too
      {redToBlue, 0, 0.5, {0.5, 0, 0.5, 1}},
  };
  for (const Row& row : rows) {
    const SourceColor c =
        ReadOne(OneSegment("0.5", 0, row.colours, row.coloring)).colorAt(row.position);
    EXPECT_NEAR(c.red, row.expected.red, 1e-9) << row.colours << " " << row.coloring;
    EXPECT_NEAR(c.green, row.expected.green, 1e-9) << row.colours << " " << row.coloring;
    EXPECT_NEAR(c.blue, row.expected.blue, 1e-9) << row.colours << " " << row.coloring;
    EXPECT_NEAR(c.alpha, row.expected.alpha, 1e-9) << row.colours << " " << row.coloring;
  }
}

TEST(GgrFormat, ReportsJumpsAndReplacedColours) {
  const SourceGradient g = ReadOne(
      "GIMP Gradient\r\nName: Edges\r\n5\r\n"
      "0 0.2 0.4 1 0 0 1 1 0 0 1 0 0\r\n"              // red
      "0.4 0.5 0.5 0 0 1 1 0 0 1 1 0 0\r\n"            // jumps to blue
      "0.5 0.5 0.5 1 1 1 1 1 1 1 1 0 0\r\n"            // never painted
      "0.5 0.6 0.7 0 0 1 1 0 1 0 1 5 0 0 3\r\n"        // steps to white at 0.6
      "0.7 0.8 1 1 1 1 1 0.3 0.3 0.3 1 0 0 0 1\r\n");  // to black, from the foreground
  EXPECT_EQ(g.name, "Edges");
  EXPECT_EQ(g.hardEdges, (std::vector<double>{0.4, 0.6}));
  EXPECT_EQ(g.colorAt(0.4).blue, 1.0);
  EXPECT_EQ(g.colorAt(0.65).red, 1.0);
  EXPECT_EQ(g.colorAt(0.7).red, 1.0);
  EXPECT_EQ(g.colorAt(1.0).red, 0.0);
  ASSERT_EQ(g.notes.size(), 1u);
  EXPECT_NE(g.notes[0].find("black or white"), std::string::npos);
  EXPECT_EQ(FitGradation(g).report.notes, g.notes);
}

TEST(GgrFormat, RefusesBadInputWholly) {
  const std::string segment = "0 0.5 1 0 0 0 1 1 1 1 1 0 0\n";
  const std::string half = "0 0.25 0.5 0 0 0 1 1 1 1 1 0 0\n";
  struct Row {
    std::string text, error;
  } rows[] = {
      {"", "line 1: not a GIMP gradient"},
      {"GIMP Palette\n1\n" + segment, "line 1: not a GIMP gradient"},
      {"GIMP Gradient\nName: x\n", "the file ends before the segment count"},
      {"GIMP Gradient\n2\n" + segment, "the file ends after 1 of 2 segments"},
      {"GIMP Gradient\n1\n" + segment + segment, "line 4: more lines than the 1 segments"},
      {"GIMP Gradient\none\n" + segment, "line 2: the segment count is not a whole number"},
      {"GIMP Gradient\n99999999\n" + segment, "line 2: 99999999 segments, not 1 to 10000"},
      {"GIMP Gradient\n0\n", "line 2: 0 segments"},
      {"GIMP Gradient\n1\n0 0.5 1 nan 0 0 1 1 1 1 1 0 0\n", "line 3: \"nan\" is not a number"},
      {"GIMP Gradient\n1\n0 0.5 1 0 inf 0 1 1 1 1 1 0 0\n", "line 3: \"inf\" is not a number"},
      {"GIMP Gradient\n1\n0 0.5x 1 0 0 0 1 1 1 1 1 0 0\n", "line 3: \"0.5x\" is not a number"},
      {"GIMP Gradient\n1\n0 0.5 1 0 0 0 1 1 1 1 1 0 zero\n", "\"zero\" is not a whole number"},
      {"GIMP Gradient\n1\n0 0.5 1 0 0 0 1 1 1 1 1 0\n", "line 3: a segment has 13 or 15 numbers"},
      {"GIMP Gradient\n1\n0 0.5 1 0 0 1.5 1 1 1 1 1 0 0\n", "\"1.5\" lies outside 0..1"},
      {"GIMP Gradient\n1\n" + half, "line 3: the segments end before 1"},
      {"GIMP Gradient\n2\n" + half + "0.6 0.8 1 0 0 0 1 1 1 1 1 0 0\n",
       "line 4: the segment does not start where the one before ends"},
      {"GIMP Gradient\n1\n0 0.5 0.4 0 0 0 1 1 1 1 1 0 0\n", "line 3: the middle lies outside"},
      {"GIMP Gradient\n1\n0 0.5 1 0 0 0 1 1 1 1 1 6 0\n", "line 3: unknown blend function"},
      {"GIMP Gradient\n1\n0 0.5 1 0 0 0 1 1 1 1 1 0 3\n", "line 3: unknown colouring"},
      {"GIMP Gradient\n1\n0 0.5 1 0 0 0 1 1 1 1 1 0 0 5 0\n", "unknown endpoint colour kind"},
      {"GIMP Gradient\nName: \xC3\x28\n1\n" + segment, "line 2: the name is not UTF-8"},
      {"GIMP Gradient\nName: \xF8\x80\x80\n1\n" + segment, "line 2: the name is not UTF-8"},
      {"GIMP Gradient\n1\n" + segment + std::string(kMaxInterchangeBytes, '\n'),
       "larger than 16 MiB"},
  };
  for (const Row& row : rows) {
    const ReadResult result = ReadGgr(row.text);
    EXPECT_TRUE(result.gradients.empty()) << row.error;
    EXPECT_EQ(result.error.rfind("GIMP gradient: ", 0), 0u) << result.error;
    EXPECT_NE(result.error.find(row.error), std::string::npos) << result.error;
  }
}

TEST(GgrFormat, EveryGimpDataGradientFits) {
  size_t files = 0, colorSum = 0, opacitySum = 0, colorMax = 0, opacityMax = 0;
  namespace fs = std::filesystem;
  std::error_code error;
  for (const fs::directory_entry& entry :
       fs::recursive_directory_iterator(VELUMBRA_GIMP_GRADIENTS, error)) {
    if (entry.path().extension() != ".ggr") continue;
    const std::vector<uint8_t> bytes = ReadFileBytes(entry.path().string());
    const SourceGradient source = ReadOne(std::string(bytes.begin(), bytes.end()));
    const FittedGradation fit = FitGradation(source);
    EXPECT_EQ(FindFitMismatch(fit.gradation, source), "") << entry.path();
    ++files;
    colorSum += fit.report.colorStopCount;
    opacitySum += fit.report.opacityStopCount;
    colorMax = std::max(colorMax, fit.report.colorStopCount);
    opacityMax = std::max(opacityMax, fit.report.opacityStopCount);
  }
  ASSERT_GE(files, 70u) << "gimp-data's gradients missing: run scripts/bootstrap.sh";
  std::printf(
      "gimp-data: %zu gradients; colour stops mean %.1f max %zu; opacity stops mean %.1f max %zu\n",
      files, double(colorSum) / files, colorMax, double(opacitySum) / files, opacityMax);
}

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6f", value);
  return text;
}

// A random gradient of GIMP's kind: any blend, colouring and middle.
std::string RandomGgr(TestRandom& random) {
  const int count = 1 + static_cast<int>(random.Below(8));
  std::vector<double> bounds = {0.0, 1.0};
  for (int i = 1; i < count; ++i) bounds.push_back(random.Uniform(0.0f, 1.0f));
  std::sort(bounds.begin(), bounds.end());
  std::string text = "GIMP Gradient\nName: random\n" + std::to_string(count) + "\n";
  for (int i = 0; i < count; ++i) {
    const double left = bounds[i], right = bounds[i + 1];
    const double middles[] = {left, right, left + (right - left) * random.Uniform(0.0f, 1.0f)};
    text += Number(left) + " " + Number(middles[random.Below(4) % 3]) + " " + Number(right);
    for (int k = 0; k < 8; ++k)
      text += " " + Number(random.Below(3) == 0 ? 1.0 : random.Uniform(0.0f, 1.0f));
    text += " " + std::to_string(random.Below(6)) + " " + std::to_string(random.Below(3)) + "\n";
  }
  return text;
}

// Read, fit, written back through linear stops, read again: each step within the tolerance.
TEST(GgrFormat, RandomGradientsRoundTrip) {
  TestRandom random(0x66A);
  for (int i = 0; i < 40; ++i) {
    const std::string text = RandomGgr(random);
    const SourceGradient source = ReadOne(text);
    const FittedGradation fit = FitGradation(source);
    ASSERT_EQ(FindFitMismatch(fit.gradation, source), "") << text;
    const std::string written =
        WriteGgr(LinearStopsFor(fit.gradation, StopBlend::Straight), source.name);
    const SourceGradient reread = ReadOne(written);
    EXPECT_EQ(reread.name, "random");
    ASSERT_EQ(FindFitMismatch(fit.gradation, reread), "") << text << written;
    EXPECT_EQ(FindFitMismatch(FitGradation(reread).gradation, reread), "") << written;
  }
}

TEST(GgrFormat, WritesAnyStopListAsWholeSegments) {
  struct Row {
    std::vector<LinearStop> stops;
    const char* name;
    double position;
    SourceColor expected;
  } rows[] = {
      {{}, "empty", 0.5, {0, 0, 0, 1}},
      {{}, "code page 932 \x82\xA0", 0.5, {0, 0, 0, 1}},
      {{{0.3, {1, 0, 0, 0.5}}}, "one stop", 0.9, {1, 0, 0, 0.5}},
      {{{0.2, {1, 1, 1, 1}}, {0.6, {0, 0, 0, 1}}}, "inside", 0.1, {1, 1, 1, 1}},
      {{{0.2, {1, 1, 1, 1}}, {0.6, {0, 0, 0, 1}}}, "inside", 0.3, {0.75, 0.75, 0.75, 1}},
      {{{0, {1, 0, 0, 1}}, {0.5, {1, 0, 0, 1}}, {0.5, {0, 0, 1, 1}}, {1, {0, 0, 1, 1}}},
       "two\nlines",
       0.5,
       {0, 0, 1, 1}},
  };
  for (const Row& row : rows) {
    const SourceGradient g = ReadOne(WriteGgr(row.stops, row.name));
    const SourceColor c = g.colorAt(row.position);
    EXPECT_NEAR(c.red, row.expected.red, 1e-9) << row.name;
    EXPECT_NEAR(c.blue, row.expected.blue, 1e-9) << row.name;
    EXPECT_NEAR(c.alpha, row.expected.alpha, 1e-9) << row.name;
    EXPECT_EQ(g.name.find('\n'), std::string::npos);
  }
}

}  // namespace
