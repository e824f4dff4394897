// The sampler and its power estimate against the plain evaluators: every
// colour and opacity must come out with exactly their bits.
#include "model/gradation_sampler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "model/curve_power.h"
#include "model/evaluate.h"
#include "support/random_gradations.h"

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

// Evaluates `positions` in batches as the image functions do, and reports the
// first position whose colour or opacity differs from the evaluators'.
::testing::AssertionResult MatchesEvaluators(const GradationData& g, float exponent,
                                             const std::vector<float>& positions) {
  GradationSampler sampler(g, exponent);
  constexpr int kBatch = GradationSampler::kBatch;
  uint32_t colors[kBatch];
  float opacities[kBatch];
  for (size_t first = 0; first < positions.size(); first += kBatch) {
    const int n = static_cast<int>(std::min<size_t>(kBatch, positions.size() - first));
    sampler.EvaluateBatch(positions.data() + first, n, colors, opacities);
    for (int i = 0; i < n; ++i) {
      const float x = positions[first + static_cast<size_t>(i)];
      const uint32_t color = EvaluateColor(g, x, exponent);
      const float opacity = EvaluateOpacity(g, x, exponent);
      if (colors[i] != color || BitsOfFloat(opacities[i]) != BitsOfFloat(opacity)) {
        return ::testing::AssertionFailure()
               << std::hexfloat << "at " << x << " (#" << first + static_cast<size_t>(i)
               << ") exponent " << exponent << ": colour " << std::hex << colors[i] << " want "
               << color << ", opacity " << opacities[i] << " want " << opacity;
      }
    }
  }
  return ::testing::AssertionSuccess();
}

TEST(CurvePowerEstimate, StaysFarInsideItsPromisedError) {
  // The promise is 2^-30; the analysis gives about 2^-44. Checking 2^-40 keeps a
  // wide margin visible, so a change that eats into it fails here first.
  struct Source {
    const char* name;
    double (*exponent)(TestRandom&);
  } sources[] = {
      {"editor", [](TestRandom&) { return static_cast<double>(4.0f / 3.0f); }},
      {"square", [](TestRandom&) { return 2.0; }},
      {"root", [](TestRandom&) { return 0.5; }},
      {"smallest", [](TestRandom&) { return 0.0625; }},
      {"largest", [](TestRandom&) { return 16.0; }},
      {"any", [](TestRandom& r) { return static_cast<double>(r.Uniform(0.0625f, 16.0f)); }},
  };
  TestRandom random(11);
  for (const Source& source : sources) {
    int failures = 0;
    double worst = 0.0;
    for (int i = 0; i < 1000000 && failures < 5; ++i) {
      // Uniform bases, and bases spread over every binade down to 2^-126.
      const float base = (i & 1)
                             ? random.Uniform(0.0f, 1.0f)
                             : FloatFromBits(0x00800000u + random.Below(0x3F800000u - 0x007FFFFFu));
      if (base < 0x1p-126f) continue;
      const double exponent = source.exponent(random);
      const double exact = CurvePower(base, exponent);
      const double estimate = CurvePowerEstimate(base, exponent);
      const double error = std::fabs(estimate - exact);
      if (exact > 0x1p-60) worst = std::max(worst, error / exact);
      if (!(error <= 0x1p-40 * exact + 0x1p-60)) {
        ++failures;
        ADD_FAILURE() << source.name << std::hexfloat << ": " << base << " ^ " << exponent
                      << " estimated " << estimate << ", exactly " << exact;
      }
    }
    std::printf("[ %s ] worst relative error 2^%.1f\n", source.name, std::log2(worst));
  }
}

TEST(CurvePowerEstimate, DeclinesOutsideItsDomain) {
  struct Case {
    float base;
    double exponent;
  } cases[] = {
      {0.0f, 2.0},  {0x1p-127f, 2.0}, {1.0000001f, 2.0}, {2.0f, 2.0},   {-0.5f, 2.0},
      {kNaN, 2.0},  {0.5f, 0.0},      {0.5f, 0.06},      {0.5f, 16.01}, {0.5f, -1.0},
      {0.5f, kNaN}, {0.5f, kInf},     {kInf, 1.0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CurvePowerEstimate(c.base, c.exponent), -1.0) << c.base << " ^ " << c.exponent;
  }
  // The domain's own edges are inside it.
  EXPECT_EQ(CurvePowerEstimate(1.0f, 16.0), 1.0);
  EXPECT_GT(CurvePowerEstimate(0x1p-126f, 0.0625), 0.0);
}

// The batch computes two estimates at a time in vector lanes; each must be the
// single estimate's bits, with bases outside the domain mixed in anywhere.
TEST(CurvePowerEstimate, BatchGivesTheSingleEstimatesBits) {
  TestRandom random(15);
  const float strays[] = {0.0f, 0x1p-127f, 1.5f, kNaN, -0.25f, kInf};
  for (int round = 0; round < 3000; ++round) {
    const double exponent = round % 5 == 4 ? static_cast<double>(RandomExponent(random))
                                           : static_cast<double>(random.Uniform(0.0625f, 16.0f));
    std::vector<float> bases(random.Below(70));
    for (float& base : bases) {
      base = random.Below(10) == 0  ? random.Pick(strays)
             : random.Below(2) == 0 ? random.Uniform(0.0f, 1.0f)
                                    : FloatFromBits(0x00800000u + random.Below(0x3F000000u));
    }
    std::vector<double> powers(bases.size() + 1, 12345.0);
    CurvePowerEstimates(bases.data(), static_cast<int>(bases.size()), exponent, powers.data());
    for (size_t i = 0; i < bases.size(); ++i) {
      const double single = CurvePowerEstimate(bases[i], exponent);
      ASSERT_EQ(std::memcmp(&single, &powers[i], sizeof single), 0)
          << std::hexfloat << bases[i] << " ^ " << exponent << ": " << powers[i] << " vs "
          << single;
    }
    EXPECT_EQ(powers.back(), 12345.0);  // nothing written past the count
  }
}

TEST(SettleRoundedBlend, RefusesWhatItCannotTellAndSettlesTheRest) {
  struct Case {
    double a, d, weight, slack;
    bool settles;
    double rounded;
  } cases[] = {
      {0, 255, 0.5, 0x1p-20, false, 0},  // 128.0 exactly: a boundary
      {10, 1, 0.5, 0x1p-20, false, 0},   // 11.0
      {10, 1, 0.5 - 0x1p-19, 0x1p-20, true, 10},
      {10, 1, 0.5 + 0x1p-19, 0x1p-20, true, 11},
      {10, 1, 0.5 + 0x1p-21, 0x1p-20, false, 0},
      {200, -200, 0.25, 0x1p-20, true, 150},  // 150.5
      {0, 0, 0.3, 0x1p-47, true, 0},
      {-3.25, 1e6, 0.0, 0x1p-20, true, -3},  // -2.75
      {50.5, 0, 0.7, 0x1p-40, false, 0},     // 51.0
  };
  for (const Case& c : cases) {
    double rounded = -99;
    EXPECT_EQ(SettleRoundedBlend(c.a, c.d, c.weight, c.slack, &rounded), c.settles)
        << c.a << " + " << c.weight << " * " << c.d;
    if (c.settles) {
      EXPECT_EQ(rounded, c.rounded) << c.a << " + " << c.weight << " * " << c.d;
    }
  }
}

// Weights placed just around the points where the rounded sum steps: any
// estimate within the error must either settle on the exact weight's result or
// decline.
TEST(SettleRoundedBlend, NeverSettlesWrongNearASteps) {
  TestRandom random(12);
  const double error = 0x1p-30;
  int settled = 0, refused = 0;
  for (int i = 0; i < 300000; ++i) {
    const bool opacity = random.Below(2) == 0;
    const double a = opacity ? random.Uniform(-100.0f, 200.0f) : random.Below(256);
    const double b = opacity ? random.Uniform(-100.0f, 200.0f) : random.Below(256);
    const double d = b - a;
    if (d == 0) continue;
    // The weight at which a + w d + 0.5 reaches an integer, nudged by a few errors.
    const double target = std::floor(a + 0.5 + d * random.Uniform(0.0f, 1.0f)) - a - 0.5;
    double exact = target / d + (random.Uniform(-4.0f, 4.0f) * error);
    exact = std::min(1.0, std::max(0.0, exact));
    const double estimate = exact + random.Uniform(-1.0f, 1.0f) * error;
    double rounded;
    if (SettleRoundedBlend(a, d, estimate, BlendSlack(a, d, error), &rounded)) {
      ++settled;
      ASSERT_EQ(rounded, std::floor(a + exact * d + 0.5))
          << std::hexfloat << a << " + " << exact << " * " << d << " (estimate " << estimate << ")";
    } else {
      ++refused;
    }
  }
  // Both outcomes occur, or the test would prove nothing.
  EXPECT_GT(settled, 1000);
  EXPECT_GT(refused, 1000);
}

// Two stops at 0 and 1 make t the position itself, so sweeping positions
// sweeps the curve: every rounding boundary of every component is crossed many
// times, and the estimate has to decline at each one it cannot settle.
TEST(GradationSampler, MatchesEvaluatorsAcrossTheWholeCurve) {
  GradationData g;
  AddColorStop(g, 0.0f, Rgb{0, 0, 200});
  AddColorStop(g, 1.0f, Rgb{255, 1, 13});
  AddAlphaStop(g, 0.0f, 0.0f);
  AddAlphaStop(g, 1.0f, 100.0f);
  std::vector<float> positions;
  for (uint32_t bits = 0; bits < 0x3F800000u; bits += 1031)
    positions.push_back(FloatFromBits(bits));
  for (float x = 0.0f; x < 1.0f; x += 0.0001f) positions.push_back(x);
  std::sort(positions.begin(), positions.end());
  for (float exponent : {4.0f / 3.0f, 2.0f, 0.5f, 3.7f, 0.0625f, 16.0f, 1.0f}) {
    EXPECT_TRUE(MatchesEvaluators(g, exponent, positions));
  }
}

// The orders the image functions visit positions in, and worse.
std::vector<float> PositionSequence(TestRandom& random, int kind) {
  std::vector<float> positions;
  const int count = 1 + static_cast<int>(random.Below(300));
  const float start = random.Uniform(-20.0f, 120.0f);
  const float step = random.Uniform(-1.0f, 1.0f);
  for (int i = 0; i < count; ++i) {
    switch (kind) {
      case 0:  // a row of columns, either way
        positions.push_back(static_cast<float>(static_cast<double>(i) * step + start));
        break;
      case 1:  // wrapping around, as a scaled luminance table does
        positions.push_back(std::fmod(static_cast<float>(i) * std::fabs(step) * 7.0f, 100.0f));
        break;
      case 2:  // anywhere
        positions.push_back(random.Uniform(-20.0f, 120.0f));
        break;
      default:  // anywhere, including positions no table produces
        positions.push_back(random.Below(8) == 0 ? random.Pick({kNaN, kInf, -kInf, -0.0f})
                                                 : random.Uniform(-20.0f, 120.0f));
        break;
    }
  }
  return positions;
}

TEST(GradationSampler, MatchesEvaluatorsOnRandomGradations) {
  TestRandom random(13);
  for (int round = 0; round < 4000; ++round) {
    const bool hostile = round % 4 == 3;
    const GradationData g = RandomGradation(random, round % 10 == 0 ? 40 : 6, hostile);
    const float exponent = RandomExponent(random);
    const int kind = static_cast<int>(random.Below(4));
    ASSERT_TRUE(MatchesEvaluators(g, exponent, PositionSequence(random, kind)))
        << "round " << round << ", sequence kind " << kind;
  }
}

// Lists the model never builds by itself but a caller could hand over: out of
// order, or with NaN positions among the stops.
TEST(GradationSampler, MatchesEvaluatorsOnListsOutOfOrder) {
  TestRandom random(14);
  for (int round = 0; round < 2000; ++round) {
    GradationData g = RandomGradation(random, 8, false);
    std::reverse(g.colorStops.begin(), g.colorStops.end());
    if (!g.alphaStops.empty()) {
      g.alphaStops[random.Below(static_cast<uint32_t>(g.alphaStops.size()))].position = kNaN;
    }
    const float exponent = RandomExponent(random);
    ASSERT_TRUE(MatchesEvaluators(g, exponent, PositionSequence(random, 2))) << "round " << round;
  }
}

// Shared stop positions give both tracks the same t, and a zero difference in
// opacity must not need a weight at all.
TEST(GradationSampler, MatchesEvaluatorsWhereTracksShareTheirStops) {
  struct Row {
    const char* name;
    float opacityLeft, opacityRight;
  } rows[] = {{"fading", 0.0f, 100.0f},
              {"flat half", 50.5f, 50.5f},
              {"flat", 100.0f, 100.0f},
              {"over 100", 110.0f, -20.0f},
              {"huge", 3e7f, -3e7f}};
  for (const Row& row : rows) {
    GradationData g;
    AddColorStop(g, 10.0f, Rgb{0, 128, 255});
    AddColorStop(g, 90.0f, Rgb{255, 127, 0});
    AddAlphaStop(g, 10.0f, row.opacityLeft);
    AddAlphaStop(g, 90.0f, row.opacityRight);
    std::vector<float> positions;
    for (int k = 0; k < 4097; ++k) positions.push_back(static_cast<float>(k / 40.96));
    for (float exponent : {4.0f / 3.0f, 1.0f, 2.5f}) {
      EXPECT_TRUE(MatchesEvaluators(g, exponent, positions)) << row.name;
    }
  }
}

}  // namespace
