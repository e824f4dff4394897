#include "model/gradation.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/banks.h"
#include "support/stop_lists.h"

namespace {

GradationData DefaultGradation() {
  GradationData g;
  SetDefaultGradation(g);
  return g;
}

TEST(StopAccessors, EmptyListsYieldTheReadOnlyFallbackStops) {
  const GradationData empty;
  for (int32_t index : {-1, 0, 5}) {
    const ColorStop& c = ColorStopAt(empty, index);
    EXPECT_EQ(&c, &EmptyColorStop());
    EXPECT_EQ(c.position, 0.0f);
    EXPECT_FALSE(c.active);
    EXPECT_EQ(PackedFromStop(c), 0u);
    const AlphaStop& a = AlphaStopAt(empty, index);
    EXPECT_EQ(&a, &EmptyAlphaStop());
    EXPECT_EQ(a.opacity, 100.0f);
    EXPECT_FALSE(a.active);
  }
}

TEST(StopAccessors, IndexesAreClampedToTheList) {
  const GradationData g = DefaultGradation();
  struct Case {
    int32_t index;
    float position;
  } cases[] = {{-1, 0.0f},  {0, 0.0f},           {1, 100.0f},
               {2, 100.0f}, {INT32_MAX, 100.0f}, {INT32_MIN, 0.0f}};
  for (const Case& c : cases) {
    EXPECT_EQ(ColorStopAt(g, c.index).position, c.position) << c.index;
    EXPECT_EQ(AlphaStopAt(g, c.index).position, c.position) << c.index;
  }
}

TEST(StopAccessors, FindReturnsFirstMatchOrMinusOne) {
  GradationData g = DefaultGradation();
  EXPECT_EQ(FindColorStop(g, 1), 1);
  EXPECT_EQ(FindColorStop(g, 7), -1);
  EXPECT_EQ(FindAlphaStop(g, 0), 0);
  EXPECT_EQ(FindAlphaStop(GradationData{}, 0), -1);
}

TEST(GradationById, MapsBothSetsAndRejectsEverythingElse) {
  struct Case {
    int32_t id;
    GradationData* expected;
  } cases[] = {{1, &GradationBank[0]}, {50, &GradationBank[49]}, {51, nullptr},
               {0, &ScratchBank[0]},   {-9, &ScratchBank[9]},    {-10, nullptr},
               {INT32_MIN, nullptr},   {INT32_MAX, nullptr}};
  for (const Case& c : cases) EXPECT_EQ(GradationById(c.id), c.expected) << c.id;
}

TEST(ResetBankToDefaults, GivesEveryBankEntryTheDefaultAndLeavesScratchAlone) {
  AddColorStop(ScratchBank[3], 42.0f, Rgb{1, 2, 3});
  AddColorStop(GradationBank[7], 30.0f, Rgb{9, 9, 9});
  ResetBankToDefaults();
  for (const GradationData& g : GradationBank) {
    ASSERT_EQ(g.colorStops.size(), 2u);
    ASSERT_EQ(g.alphaStops.size(), 2u);
    EXPECT_EQ(PackedFromStop(g.colorStops[0]), 0x000000u);
    EXPECT_EQ(PackedFromStop(g.colorStops[1]), 0xFFFFFFu);
    EXPECT_EQ(Positions(g, StopTrack::Color), (std::vector<float>{0.0f, 100.0f}));
    EXPECT_EQ(Serials(g, StopTrack::Color), (std::vector<int32_t>{0, 1}));
    for (int i = 0; i < 2; ++i) {
      EXPECT_TRUE(g.colorStops[i].active);
      EXPECT_TRUE(g.alphaStops[i].active);
      EXPECT_EQ(g.alphaStops[i].opacity, 100.0f);
      EXPECT_EQ(g.alphaStops[i].serial, i);
    }
  }
  ASSERT_EQ(ScratchBank[3].colorStops.size(), 1u);
  EXPECT_EQ(ScratchBank[3].colorStops[0].position, 42.0f);
  ClearGradation(ScratchBank[3]);
}

TEST(AddStop, ReturnsIndexAfterSortingAndRenumbers) {
  struct Case {
    std::vector<float> added;
    std::vector<int32_t> returned;
    std::vector<float> order;
  } cases[] = {
      {{30.0f}, {1}, {0.0f, 30.0f, 100.0f}},
      {{100.0f}, {2}, {0.0f, 100.0f, 100.0f}},  // goes after the stop already there
      {{0.0f}, {1}, {0.0f, 0.0f, 100.0f}},
      {{-5.0f, 250.0f}, {0, 3}, {-5.0f, 0.0f, 100.0f, 250.0f}},  // not clamped
  };
  for (const Case& c : cases) {
    GradationData g = DefaultGradation();
    for (size_t i = 0; i < c.added.size(); ++i) {
      EXPECT_EQ(AddColorStop(g, c.added[i], Rgb{1, 2, 3}), c.returned[i]);
    }
    EXPECT_EQ(Positions(g, StopTrack::Color), c.order);
    for (size_t i = 0; i < g.colorStops.size(); ++i) {
      EXPECT_EQ(g.colorStops[i].serial, static_cast<int32_t>(i));
    }
  }
}

TEST(AddStop, IntoEmptyListInAnyOrder) {
  GradationData g;
  EXPECT_EQ(AddAlphaStop(g, 80.0f, 1.0f), 0);
  EXPECT_EQ(AddAlphaStop(g, 20.0f, 2.0f), 0);
  EXPECT_EQ(AddAlphaStop(g, 50.0f, 3.0f), 1);
  ASSERT_EQ(g.alphaStops.size(), 3u);
  const float positions[] = {20.0f, 50.0f, 80.0f};
  const float opacities[] = {2.0f, 3.0f, 1.0f};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(g.alphaStops[i].position, positions[i]);
    EXPECT_EQ(g.alphaStops[i].opacity, opacities[i]);
    EXPECT_EQ(g.alphaStops[i].serial, i);
    EXPECT_TRUE(g.alphaStops[i].active);
  }
}

TEST(AddStop, EqualPositionsKeepTheOrderOfAddition) {
  GradationData g;
  for (uint8_t v = 0; v < 40; ++v) AddColorStop(g, 50.0f, Rgb{v, 0, 0});
  for (uint8_t v = 0; v < 40; ++v) EXPECT_EQ(g.colorStops[v].red, v);
}

TEST(SortStops, IsStableForTiesAndOrdersBySerial) {
  std::vector<ColorStop> stops;
  // All serial 0, as the byte reader hands them in: ties keep list order.
  for (uint8_t i = 0; i < 64; ++i) {
    ColorStop s;
    s.position = static_cast<float>(i % 3);
    s.red = i;
    stops.push_back(s);
  }
  SortStops(stops);
  for (size_t i = 1; i < stops.size(); ++i) {
    ASSERT_LE(stops[i - 1].position, stops[i].position);
    if (stops[i - 1].position == stops[i].position) {
      EXPECT_LT(stops[i - 1].red, stops[i].red);
    }
  }
  std::vector<AlphaStop> bySerial = {{5, 10.0f, true, 0.0f}, {2, 10.0f, true, 1.0f}};
  SortStops(bySerial);
  EXPECT_EQ(bySerial[0].serial, 2);
}

TEST(ColorPacking, TopByteIsIgnoredAndNeverReturned) {
  GradationData g;
  AddColorStop(g, 0.0f, RgbFromPacked(0xAB123456u));
  EXPECT_EQ(g.colorStops[0].red, 0x12);
  EXPECT_EQ(g.colorStops[0].green, 0x34);
  EXPECT_EQ(g.colorStops[0].blue, 0x56);
  EXPECT_EQ(PackedFromStop(g.colorStops[0]), 0x123456u);
}

}  // namespace
