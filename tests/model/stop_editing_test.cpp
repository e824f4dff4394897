#include "model/stop_editing.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/gradation.h"
#include "support/stop_lists.h"

namespace {

// Colour stops at the given positions, serials equal to indexes.
GradationData WithColorStops(const std::vector<float>& positions) {
  GradationData g;
  for (float p : positions) AddColorStop(g, p, Rgb{0, 0, 0});
  return g;
}

TEST(RemoveStop, KeepsAtLeastTwoAndRejectsBadIndexes) {
  struct Case {
    std::vector<float> stops;
    int32_t index;
    bool removed;
    std::vector<int32_t> serialsAfter;
  } cases[] = {
      {{0, 100}, 0, false, {0, 1}},        {{0, 50, 100}, 1, true, {0, 2}},
      {{0, 50, 100}, 3, false, {0, 1, 2}}, {{0, 50, 100}, -1, false, {0, 1, 2}},
      {{0, 50, 100}, 0, true, {1, 2}},     {{50}, 0, false, {0}},
  };
  for (const Case& c : cases) {
    GradationData g = WithColorStops(c.stops);
    EXPECT_EQ(RemoveColorStop(g, c.index), c.removed);
    EXPECT_EQ(Serials(g, StopTrack::Color), c.serialsAfter);
  }
  GradationData alpha;
  AddAlphaStop(alpha, 0, 1);
  AddAlphaStop(alpha, 100, 1);
  EXPECT_FALSE(RemoveAlphaStop(alpha, 0));
  AddAlphaStop(alpha, 50, 1);
  EXPECT_TRUE(RemoveAlphaStop(alpha, 1));
  EXPECT_EQ(alpha.alphaStops.size(), 2u);
}

TEST(SetStopPosition, ClampsResortsWithoutRenumbering) {
  struct Case {
    int32_t index;
    float position;
    int32_t returned;
    std::vector<float> positions;
    std::vector<int32_t> serials;
  } cases[] = {
      {0, 75.0f, 1, {50, 75, 100}, {1, 0, 2}},
      {1, -5.0f, 1, {0, 0, 100}, {0, 1, 2}},  // equal positions: lower serial first
      {1, 250.0f, 1, {0, 100, 100}, {0, 1, 2}},
      {2, 0.0f, 1, {0, 0, 50}, {0, 2, 1}},
      {0, 50.0f, 0, {50, 50, 100}, {0, 1, 2}},
      {3, 10.0f, -1, {0, 50, 100}, {0, 1, 2}},
      {-1, 10.0f, -1, {0, 50, 100}, {0, 1, 2}},
  };
  for (const Case& c : cases) {
    GradationData g = WithColorStops({0, 50, 100});
    EXPECT_EQ(SetColorStopPosition(g, c.index, c.position), c.returned) << c.index;
    EXPECT_EQ(Positions(g, StopTrack::Color), c.positions) << c.index;
    EXPECT_EQ(Serials(g, StopTrack::Color), c.serials) << c.index;
  }
}

TEST(SetStopPosition, TransparencyTrackBehavesTheSame) {
  GradationData g;
  AddAlphaStop(g, 0, 10);
  AddAlphaStop(g, 50, 20);
  AddAlphaStop(g, 100, 30);
  EXPECT_EQ(SetAlphaStopPosition(g, 0, 75.0f), 1);
  EXPECT_EQ(g.alphaStops[1].serial, 0);
  EXPECT_EQ(g.alphaStops[1].opacity, 10.0f);
  EXPECT_EQ(SetAlphaStopPosition(g, 9, 1.0f), -1);
}

TEST(StopBySerial, FindsTheStopOrFallsBackToTheFirst) {
  GradationData g = WithColorStops({0, 50, 100});
  SetColorStopPosition(g, 0, 75.0f);  // serial 0 now at index 1
  EXPECT_EQ(ColorStopBySerial(g, 0).position, 75.0f);
  EXPECT_EQ(ColorStopBySerial(g, 99).position, 50.0f);
  EXPECT_EQ(&ColorStopBySerial(GradationData{}, 0), &EmptyColorStop());
  EXPECT_EQ(&AlphaStopBySerial(GradationData{}, 3), &EmptyAlphaStop());
  EXPECT_EQ(EditableColorStop(g, 99), nullptr);
  ColorStop* stop = EditableColorStop(g, 2);
  ASSERT_NE(stop, nullptr);
  stop->red = 200;
  EXPECT_EQ(g.colorStops[2].red, 200);
  GradationData empty;
  EXPECT_EQ(EditableAlphaStop(empty, 0), nullptr);
}

TEST(SortAndRenumberStops, RestoresCanonicalOrderOnOneTrackOnly) {
  GradationData g = WithColorStops({0, 50, 100});
  AddAlphaStop(g, 0, 1);
  AddAlphaStop(g, 100, 1);
  g.colorStops[0].position = 80.0f;  // as a drag leaves it, unsorted
  g.alphaStops[0].serial = 7;
  SortAndRenumberStops(g, StopTrack::Color);
  EXPECT_EQ(Positions(g, StopTrack::Color), (std::vector<float>{50, 80, 100}));
  EXPECT_EQ(Serials(g, StopTrack::Color), (std::vector<int32_t>{0, 1, 2}));
  EXPECT_EQ(g.alphaStops[0].serial, 7);
  SortAndRenumberStops(g, StopTrack::Alpha);
  EXPECT_EQ(g.alphaStops[0].serial, 0);
}

}  // namespace
