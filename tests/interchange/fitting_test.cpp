#include "interchange/fitting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "interchange/fit_tolerance.h"
#include "interchange/linear_export.h"
#include "model/evaluate.h"
#include "support/random_gradations.h"

namespace {

SourceGradient Source(std::function<SourceColor(double)> colorAt, std::vector<double> edges = {}) {
  SourceGradient source;
  source.colorAt = std::move(colorAt);
  source.hardEdges = std::move(edges);
  return source;
}

SourceColor Grey(double v, double alpha = 1.0) { return SourceColor{v, v, v, alpha}; }

GradationData Gradation(std::vector<std::pair<float, uint32_t>> colors,
                        std::vector<std::pair<float, float>> opacities) {
  GradationData g;
  for (const auto& [x, rgb] : colors) AddColorStop(g, x, RgbFromPacked(rgb));
  for (const auto& [x, opacity] : opacities) AddAlphaStop(g, x, opacity);
  return g;
}

template <typename Stop>
int StopsAt(const std::vector<Stop>& stops, float x) {
  int count = 0;
  for (const Stop& stop : stops) count += stop.position == x;
  return count;
}

TEST(Fitting, FollowsSourcesWithFewStops) {
  struct Row {
    const char* name;
    SourceGradient source;
    size_t maxColorStops, maxOpacityStops;
    float doubledAt;  // where the colour track must hold two stops, or -1
  } rows[] = {
      {"constant", Source([](double) {
         return SourceColor{0.2, 0.4, 0.6, 0.5};
       }),
       2, 2, -1},
      {"black to white", Source([](double x) { return Grey(x); }), 20, 2, -1},
      {"fading in", Source([](double x) { return Grey(0.5, x); }), 2, 20, -1},
      {"step at 0.3", Source([](double x) { return x < 0.3 ? Grey(0.0) : Grey(1.0, 0.2); }, {0.3}),
       4, 4, 30.0f},
      {"edges closer than the margin",
       Source([](double x) { return x < 0.3      ? Grey(0.0)
                                    : x < 0.3004 ? Grey(0.5)
                                                 : Grey(1.0); },
              {0.3, 0.3004}),
       6, 2, 30.0f},
      // Colour under zero opacity is free, so its noise costs no stops.
      {"noise under transparency",
       Source(
           [](double x) {
             return x < 0.5 ? SourceColor{std::sin(x * 9e3), 0.5, 0.5, 0.0} : Grey(0.7);
           },
           {0.5}),
       4, 4, -1},
      {"edges at the ends are no edges",
       Source([](double x) { return Grey(x * 0.2); }, {0.0, 1.0, -3.0}), 6, 2, -1},
      {"steep sine", Source([](double x) { return Grey(0.5 + 0.5 * std::sin(x * 60.0)); }), 300, 2,
       -1},
  };
  for (const Row& row : rows) {
    const FittedGradation fit = FitGradation(row.source);
    EXPECT_EQ(FindFitMismatch(fit.gradation, row.source), "") << row.name;
    EXPECT_LE(fit.report.colorStopCount, row.maxColorStops) << row.name;
    EXPECT_LE(fit.report.opacityStopCount, row.maxOpacityStops) << row.name;
    EXPECT_EQ(fit.report.colorStopCount, fit.gradation.colorStops.size()) << row.name;
    EXPECT_EQ(fit.report.opacityStopCount, fit.gradation.alphaStops.size()) << row.name;
    if (row.doubledAt >= 0.0f) {
      EXPECT_EQ(StopsAt(fit.gradation.colorStops, row.doubledAt), 2) << row.name;
    }
  }
}

TEST(FitTolerance, NamesTheFirstSampleOutsideIt) {
  const SourceGradient grey = Source([](double) { return Grey(100 / 255.0); });
  const SourceGradient halfClear = Source([](double) { return Grey(100 / 255.0, 0.004); });
  const SourceGradient edged =
      Source([](double x) { return x < 0.5 ? Grey(100 / 255.0) : Grey(1.0); }, {0.5});
  struct Row {
    GradationData gradation;
    const SourceGradient* source;
    std::string mismatch;
  } rows[] = {
      {Gradation({{0, 0x656364}}, {{0, 100}}), &grey, ""},
      // The curve from 40 to 60 first strays by two where its weight reaches 3/4.
      {Gradation({{0, 0x646464}, {40, 0x646464}, {60, 0x646666}}, {{0, 100}}), &grey,
       "at 54.1: colour #646666, source #646464"},
      {Gradation({{0, 0x646464}}, {{0, 100}, {50, 100}, {50, 98.5f}}), &grey,
       "at 50: opacity 98.5%, source 100%"},
      // Nearly clear: only the opacity counts.
      {Gradation({{0, 0xFF00FF}}, {{0, 0}}), &halfClear, ""},
      {Gradation({{0, 0xFF00FF}}, {{0, 1.5f}}), &halfClear, "at 0: opacity 1.5%, source 0.4%"},
      // The jump may fall anywhere within 0.1 of the source's.
      {Gradation({{0, 0x646464}, {50.1f, 0x646464}, {50.1f, 0xFFFFFF}}, {{0, 100}}), &edged, ""},
      {Gradation({{0, 0x646464}, {50.25f, 0x646464}, {50.25f, 0xFFFFFF}}, {{0, 100}}), &edged,
       "at 50.2: colour #646464, source #FFFFFF"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(FindFitMismatch(row.gradation, *row.source), row.mismatch);
  }
}

TEST(LinearExport, BlendsStraightOrPremultiplied) {
  const LinearStop red{0.0, SourceColor{1, 0, 0, 1}};
  const LinearStop clearBlue{1.0, SourceColor{0, 0, 1, 0}};
  struct Row {
    StopBlend blend;
    double position;
    SourceColor expected;
  } rows[] = {
      {StopBlend::Straight, 0.5, {0.5, 0, 0.5, 0.5}},
      {StopBlend::Straight, 0.25, {0.75, 0, 0.25, 0.75}},
      {StopBlend::Premultiplied, 0.5, {1, 0, 0, 0.5}},
      {StopBlend::Premultiplied, 0.25, {1, 0, 0, 0.75}},
  };
  for (const Row& row : rows) {
    const SourceColor c = BlendLinearStops(red, clearBlue, row.position, row.blend);
    EXPECT_NEAR(c.red, row.expected.red, 1e-12);
    EXPECT_NEAR(c.blue, row.expected.blue, 1e-12);
    EXPECT_NEAR(c.alpha, row.expected.alpha, 1e-12);
  }
  // Two-colour premultiplied blend: 0.75 red at 0.5 opacity, 0.25 blue at 1.
  const SourceColor mixed = BlendLinearStops(
      LinearStop{0, {1, 0, 0, 0.5}}, LinearStop{1, {0, 0, 1, 1}}, 0.5, StopBlend::Premultiplied);
  EXPECT_NEAR(mixed.red, 0.25 / 0.75, 1e-12);
  EXPECT_NEAR(mixed.blue, 0.5 / 0.75, 1e-12);
}

TEST(LinearExport, HardEdgesBecomeTwoStopsAtOnePosition) {
  const GradationData g =
      Gradation({{0, 0xFF0000}, {50, 0xFF0000}, {50, 0x0000FF}, {100, 0x0000FF}}, {{0, 100}});
  const std::vector<LinearStop> stops = LinearStopsFor(g, StopBlend::Straight);
  ASSERT_EQ(stops.size(), 4u);
  const double positions[] = {0.0, 0.5, 0.5, 1.0};
  const double reds[] = {1, 1, 0, 0};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_DOUBLE_EQ(stops[i].position, positions[i]);
    EXPECT_EQ(stops[i].color.red, reds[i]);
  }
  EXPECT_EQ(FromLinearStops(stops, StopBlend::Straight, "").hardEdges, std::vector<double>{0.5});
}

// Editor gradations out to linear stops and back: every step within the tolerance.
TEST(LinearExport, RoundTripsThroughBothBlends) {
  TestRandom random(0x5EED);
  std::vector<GradationData> gradations = {
      Gradation({{0, 0x000000}, {100, 0xFFFFFF}}, {{0, 0}, {100, 100}}),
      Gradation({{0, 0xFF0000}, {30, 0x00FF00}, {30, 0x0000FF}, {100, 0xFFFF00}},
                {{0, 100}, {70, 0}, {70, 100}, {100, 30}}),
  };
  for (int i = 0; i < 30; ++i) {
    gradations.push_back(RandomGradation(random, 6, false));
    // Formats hold opacity within 0..100 % only.
    for (AlphaStop& stop : gradations.back().alphaStops) {
      stop.opacity = std::clamp(stop.opacity, 0.0f, 100.0f);
    }
  }
  for (const StopBlend blend : {StopBlend::Straight, StopBlend::Premultiplied}) {
    for (size_t i = 0; i < gradations.size(); ++i) {
      const std::vector<LinearStop> stops = LinearStopsFor(gradations[i], blend);
      const SourceGradient exported = FromLinearStops(stops, blend, "round trip");
      EXPECT_EQ(FindFitMismatch(gradations[i], exported), "") << i;
      const FittedGradation again = FitGradation(exported);
      EXPECT_EQ(FindFitMismatch(again.gradation, exported), "") << i;
      EXPECT_LE(stops.size(), 400u) << i;
    }
  }
}

}  // namespace
