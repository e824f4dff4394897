#include "editor/panel_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(KeepTypedPercent, InRangeStaysOtherwiseTheNearerEnd) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double typed, stored;
    bool kept;
  } cases[] = {
      {0.0, 0.0, true},           {100.0, 100.0, true}, {12.5, 12.5, true},
      {150.0, 100.0, false},      {-3.0, 0.0, false},   {100.0000001, 100.0, false},
      {-0.0000001, 0.0, false},   {inf, 100.0, false},  {-inf, 0.0, false},
      {std::nan(""), 0.0, false},
  };
  for (const Case& c : cases) {
    double value = c.typed;
    EXPECT_EQ(KeepTypedPercent(&value), c.kept) << c.typed;
    EXPECT_EQ(value, c.stored) << c.typed;
  }
}

TEST(GreyOfOpacity, TruncatesTheDoubleProduct) {
  struct Case {
    double opacity;
    uint32_t grey;
  } cases[] = {
      {100.0, 254}, {50.0, 127},       {0.0, 0},
      {1.0, 2},     {-5.0, 0},         {200.0, 255},
      {99.9, 254},  {std::nan(""), 0}, {static_cast<float>(12.5), 31},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GreyOfOpacity(c.opacity), c.grey * 0x010101u) << c.opacity;
  }
}

TEST(RedLowest, SwapsRedAndBlue) {
  EXPECT_EQ(RedLowestFromPacked(0xFF8000u), 0x0080FFu);
  EXPECT_EQ(RedLowestFromPacked(0x123456u), 0x563412u);
  EXPECT_EQ(RedLowestFromPacked(0xAB123456u), 0x563412u);  // top byte ignored
  EXPECT_EQ(PackedFromRedLowest(0x0000FFu), 0xFF0000u);
  EXPECT_EQ(PackedFromRedLowest(RedLowestFromPacked(0x0A0B0Cu)), 0x0A0B0Cu);
}

}  // namespace
