#include "model/evaluate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/banks.h"

namespace {

const float kCurve = kEditorCurveExponent;

GradationData BlackToWhiteFadingIn() {
  GradationData g;
  AddColorStop(g, 0.0f, Rgb{0, 0, 0});
  AddColorStop(g, 100.0f, Rgb{255, 255, 255});
  AddAlphaStop(g, 0.0f, 0.0f);
  AddAlphaStop(g, 100.0f, 100.0f);
  return g;
}

TEST(Evaluate, WorkedValuesForLinearAndEditorCurves) {
  const GradationData g = BlackToWhiteFadingIn();
  struct Row {
    float x;
    uint32_t linearColor, curvedColor;
    float linearOpacity, curvedOpacity;
  } rows[] = {
      {0, 0xFF000000, 0xFF000000, 0.0f, 0.0f},      {10, 0xFF1A1A1A, 0xFF0F0F0F, 10.0f, 6.0f},
      {25, 0xFF404040, 0xFF333333, 25.0f, 20.0f},   {50, 0xFF808080, 0xFF808080, 50.0f, 50.0f},
      {75, 0xFFBFBFBF, 0xFFCCCCCC, 75.0f, 80.0f},   {100, 0xFFFFFFFF, 0xFFFFFFFF, 100.0f, 100.0f},
      {12.5f, 0xFF202020, 0xFF141414, 12.5f, 8.0f},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(EvaluateColor(g, r.x, 1.0f), r.linearColor) << r.x;
    EXPECT_EQ(EvaluateColor(g, r.x, kCurve), r.curvedColor) << r.x;
    EXPECT_EQ(EvaluateOpacity(g, r.x, 1.0f), r.linearOpacity) << r.x;
    EXPECT_EQ(EvaluateOpacity(g, r.x, kCurve), r.curvedOpacity) << r.x;
  }
}

TEST(Evaluate, EditorExponentIsTheSinglePrecisionFourThirds) {
  EXPECT_EQ(kEditorCurveExponent, 1.3333334f);
}

TEST(Evaluate, DegenerateListsGiveTheirFallbacks) {
  GradationData empty;
  GradationData single;
  AddColorStop(single, 40.0f, Rgb{1, 2, 3});
  AddAlphaStop(single, 40.0f, 33.0f);
  GradationData inactive = BlackToWhiteFadingIn();
  for (ColorStop& s : inactive.colorStops) s.active = false;
  for (AlphaStop& s : inactive.alphaStops) s.active = false;
  for (float x : {-50.0f, 0.0f, 39.0f, 40.0f, 41.0f, 100.0f, 1000.0f}) {
    for (float p : {1.0f, kCurve}) {
      EXPECT_EQ(EvaluateColor(empty, x, p), 0xFF000000u);
      EXPECT_EQ(EvaluateOpacity(empty, x, p), 100.0f);
      EXPECT_EQ(EvaluateColor(single, x, p), 0xFF010203u);
      EXPECT_EQ(EvaluateOpacity(single, x, p), 33.0f);
      EXPECT_EQ(EvaluateColor(inactive, x, p), 0xFF000000u);
      EXPECT_EQ(EvaluateOpacity(inactive, x, p), 0.0f);
    }
  }
}

TEST(Evaluate, HardEdgeAtSharedPosition) {
  GradationData g;
  AddColorStop(g, 0.0f, Rgb{255, 0, 0});
  AddColorStop(g, 50.0f, Rgb{0, 255, 0});
  AddColorStop(g, 50.0f, Rgb{0, 0, 255});
  AddColorStop(g, 100.0f, Rgb{255, 255, 255});
  EXPECT_EQ(EvaluateColor(g, 49.9f, 1.0f), 0xFF01FE00u);
  EXPECT_EQ(EvaluateColor(g, 50.0f, 1.0f), 0xFF0000FFu);
  EXPECT_EQ(EvaluateColor(g, 75.0f, 1.0f), 0xFF8080FFu);
}

TEST(Evaluate, InactiveStopsAreSpannedAndOutsideValuesAreConstant) {
  GradationData g = BlackToWhiteFadingIn();
  AddColorStop(g, 50.0f, Rgb{255, 0, 0});
  AddAlphaStop(g, 50.0f, 0.0f);
  g.colorStops[1].active = false;
  g.alphaStops[1].active = false;
  EXPECT_EQ(EvaluateColor(g, 25.0f, 1.0f), 0xFF404040u);
  EXPECT_EQ(EvaluateOpacity(g, 75.0f, 1.0f), 75.0f);
  // Before the first and beyond the last active stop.
  g.colorStops[0].active = false;
  EXPECT_EQ(EvaluateColor(g, -10.0f, 1.0f), 0xFFFFFFFFu);
  EXPECT_EQ(EvaluateColor(g, 10.0f, 1.0f), 0xFFFFFFFFu);
  EXPECT_EQ(EvaluateColor(BlackToWhiteFadingIn(), 150.0f, kCurve), 0xFFFFFFFFu);
  EXPECT_EQ(EvaluateOpacity(BlackToWhiteFadingIn(), -1.0f, kCurve), 0.0f);
}

TEST(Evaluate, EveryExponentMeetsAtTheMidpoint) {
  const GradationData g = BlackToWhiteFadingIn();
  for (float p : {0.25f, 0.5f, 1.0f, 2.0f, 3.0f, 10.0f}) {
    EXPECT_EQ(EvaluateColor(g, 50.0f, p), 0xFF808080u) << p;
    EXPECT_EQ(EvaluateOpacity(g, 50.0f, p), 50.0f) << p;
  }
}

TEST(Evaluate, HostileInputsStillYieldValues) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  GradationData g = BlackToWhiteFadingIn();
  GradationData wild;
  AddColorStop(wild, nan, Rgb{9, 9, 9});
  AddColorStop(wild, 0.0f, Rgb{0, 0, 0});
  AddColorStop(wild, inf, Rgb{255, 255, 255});
  AddAlphaStop(wild, 0.0f, 3e38f);
  AddAlphaStop(wild, 100.0f, -3e38f);
  for (float p : {nan, -inf, -2.0f, 0.0f, 1e-30f, 1.0f, 1e30f, inf}) {
    for (float x : {nan, -inf, 0.0f, 0.5f, 99.0f, inf}) {
      // The results are the implementation's choice; they must merely exist
      // without tripping the sanitizers.
      EXPECT_EQ(EvaluateColor(g, x, p) >> 24, 0xFFu);
      EXPECT_EQ(EvaluateColor(wild, x, p) >> 24, 0xFFu);
      (void)EvaluateOpacity(g, x, p);
      (void)EvaluateOpacity(wild, x, p);
    }
  }
}

TEST(TruncateToInt32, MatchesTheHardwareConversion) {
  struct Case {
    double in;
    int32_t out;
  } cases[] = {{0.0, 0},
               {50.9999, 50},
               {-1.5, -1},
               {2147483647.9, INT32_MAX},
               {2147483648.0, INT32_MIN},
               {-2147483648.9, INT32_MIN},
               {-2147483649.0, INT32_MIN},
               {std::nan(""), INT32_MIN},
               {1e300, INT32_MIN}};
  for (const Case& c : cases) EXPECT_EQ(TruncateToInt32(c.in), c.out) << c.in;
}

}  // namespace
