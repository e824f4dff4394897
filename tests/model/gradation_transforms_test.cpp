#include "model/gradation_transforms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

#include "model/evaluate.h"
#include "support/random_gradations.h"
#include "support/stop_lists.h"

namespace {

int ChannelDistance(uint32_t a, uint32_t b) {
  int most = 0;
  for (int shift : {0, 8, 16}) {
    most = std::max(most, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                   static_cast<int>((b >> shift) & 0xFF)));
  }
  return most;
}

// Mirrored evaluation matches away from the stops' own positions, where a
// hard edge takes the other side's value. Both sides round a blend half-up,
// so a value that lands exactly on a half may differ by one.
TEST(ReverseGradation, EvaluatesAsTheMirrorImage) {
  // Stops on a grid of tenths, where hard edges (two stops at one position)
  // are common; whole percents of opacity.
  const auto tenths = [](TestRandom& r) { return static_cast<float>(r.Below(11)) * 10.0f; };
  const auto percents = [](TestRandom& r) { return static_cast<float>(r.Below(101)); };
  TestRandom random(31);
  int exact = 0, offByOne = 0;
  for (int round = 0; round < 200; ++round) {
    const GradationData original = RandomGradation(random, {2, 7}, {2, 6}, tenths, percents);
    GradationData reversed = original;
    ReverseGradation(reversed);
    for (int i = 0; i <= 1000; ++i) {
      const float x = static_cast<float>(i) / 10.0f;
      if (i % 100 == 0) continue;  // a stop's own position: an edge's side swaps
      const float mirror = 100.0f - x;
      const int colour = ChannelDistance(EvaluateColor(reversed, x, kEditorCurveExponent),
                                         EvaluateColor(original, mirror, kEditorCurveExponent));
      const float opacity = std::abs(EvaluateOpacity(reversed, x, kEditorCurveExponent) -
                                     EvaluateOpacity(original, mirror, kEditorCurveExponent));
      ASSERT_LE(colour, 1) << "round " << round << " at " << x;
      ASSERT_LE(opacity, 1.0f) << "round " << round << " at " << x;
      (colour == 0 && opacity == 0.0f ? exact : offByOne) += 1;
    }
    GradationData twice = reversed;
    ReverseGradation(twice);
    EXPECT_EQ(Colors(twice), Colors(original));
    EXPECT_EQ(Positions(twice, StopTrack::Color), Positions(original, StopTrack::Color));
  }
  // 2 in 198,000 here: off by one only where a blend lands exactly on a half.
  EXPECT_GT(exact, 10000 * offByOne) << exact << " exact, " << offByOne << " off by one";
}

TEST(DistributeStops, SpacesOneTrackEvenlyInOrder) {
  GradationData g;
  for (float p : {10.0f, 12.0f, 12.0f, 80.0f, 90.0f}) AddColorStop(g, p, Rgb{});
  for (float p : {0.0f, 70.0f, 100.0f}) AddAlphaStop(g, p, 50.0f);
  for (size_t i = 0; i < g.colorStops.size(); ++i) g.colorStops[i].red = static_cast<uint8_t>(i);
  const std::vector<uint32_t> before = Colors(g);
  DistributeStops(g, StopTrack::Color);
  EXPECT_EQ(Positions(g, StopTrack::Color),
            (std::vector<float>{10.0f, 30.0f, 50.0f, 70.0f, 90.0f}));
  EXPECT_EQ(Colors(g), before);
  EXPECT_EQ(g.alphaStops[1].position, 70.0f);  // the other track is left alone
  DistributeStops(g, StopTrack::Alpha);
  EXPECT_EQ(g.alphaStops[1].position, 50.0f);
}

// Scripts and files may leave NaN or infinite positions; both edits must
// still leave each list in stop order (NaN first) and move no stop to NaN.
TEST(WholeTrackEdits, KeepStopOrderWithNanAndInfinitePositions) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const struct Case {
    const char* name;
    std::vector<float> positions;
    bool reverse;
    std::vector<float> after;
  } cases[] = {
      {"reversed NaN stays first", {nan, 20.0f, 50.5f}, true, {nan, 49.5f, 80.0f}},
      {"reversed infinities swap", {-inf, 30.0f, inf}, true, {-inf, 70.0f, inf}},
      {"spaced past the NaN stops", {nan, 10.0f, 15.0f, 90.0f}, false, {nan, 10.0f, 50.0f, 90.0f}},
      {"nothing spaced from an infinite end", {-inf, 15.0f, 90.0f}, false, {-inf, 15.0f, 90.0f}},
      {"nor to one", {10.0f, 15.0f, inf}, false, {10.0f, 15.0f, inf}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GradationData g;
    for (float p : c.positions) AddAlphaStop(g, p, 50.0f);
    if (c.reverse) {
      ReverseGradation(g);
    } else {
      DistributeStops(g, StopTrack::Alpha);
    }
    const std::vector<float> after = Positions(g, StopTrack::Alpha);
    ASSERT_EQ(after.size(), c.after.size());
    for (size_t i = 0; i < after.size(); ++i) {
      EXPECT_TRUE(after[i] == c.after[i] || (std::isnan(after[i]) && std::isnan(c.after[i])))
          << i << ": " << after[i];
    }
    const std::vector<int32_t> serials = Serials(g, StopTrack::Alpha);
    for (size_t i = 0; i < serials.size(); ++i) EXPECT_EQ(serials[i], static_cast<int32_t>(i));
  }
}

}  // namespace
