#include "interchange/css_color.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(CssColor, ReadsEverySyntaxToKnownValues) {
  const double third = 1.0 / 3.0;
  struct Case {
    const char* text;
    SourceColor expected;
  } cases[] = {
      {"red", {1, 0, 0, 1}},
      {"RebeccaPurple", {102 / 255.0, 51 / 255.0, 153 / 255.0, 1}},
      {"darkslategrey", {47 / 255.0, 79 / 255.0, 79 / 255.0, 1}},
      {"gray", {128 / 255.0, 128 / 255.0, 128 / 255.0, 1}},
      {"transparent", {0, 0, 0, 0}},
      {"#0f08", {0, 1, 0, 136 / 255.0}},
      {"#FFA500", {1, 165 / 255.0, 0, 1}},
      {"#11223344", {17 / 255.0, 34 / 255.0, 51 / 255.0, 68 / 255.0}},
      {"rgb(255, 128, 0)", {1, 128 / 255.0, 0, 1}},
      {"RGBA(100%,50%,0%,0.25)", {1, 0.5, 0, 0.25}},
      {"rgb(255 0 0 / 50%)", {1, 0, 0, 0.5}},
      {"rgb(51 50% none)", {0.2, 0.5, 0, 1}},
      {"rgb(300 -5 0 / 2)", {1, 0, 0, 1}},
      {"rgba(255, 255, 255)", {1, 1, 1, 1}},
      // 25 % lightness at full saturation is exactly half green: 128 in bytes.
      {"hsl(120 100% 25%)", {0, 0.5, 0, 1}},
      {"hsla(240, 100%, 50%, .5)", {0, 0, 1, 0.5}},
      {"hsl(-120deg 100 50)", {0, 0, 1, 1}},
      {"hsl(0.5turn 100% 50%)", {0, 1, 1, 1}},
      {"hsl(200grad 100% 50%)", {0, 1, 1, 1}},
      {"hsl(3.14159265358979rad 100% 50%)", {0, 1, 1, 1}},
      {"hsl(60 100% 50% / 0.1)", {1, 1, 0, 0.1}},
      {"hsl(30 50% 75%)", {0.875, 0.75, 0.625, 1}},
      {"hwb(120 20% 20%)", {0.2, 0.8, 0.2, 1}},
      {"hwb(0 60% 60%)", {0.5, 0.5, 0.5, 1}},  // whiteness and blackness over 100 % scale down
      {"hwb(90 50% 100%)", {third, third, third, 1}},
      {"hwb(none 0% 100% / 25%)", {0, 0, 0, 0.25}},
  };
  for (const Case& c : cases) {
    const std::optional<SourceColor> color = ParseCssColor(c.text);
    ASSERT_TRUE(color.has_value()) << c.text;
    EXPECT_NEAR(color->red, c.expected.red, 1e-9) << c.text;
    EXPECT_NEAR(color->green, c.expected.green, 1e-9) << c.text;
    EXPECT_NEAR(color->blue, c.expected.blue, 1e-9) << c.text;
    EXPECT_NEAR(color->alpha, c.expected.alpha, 1e-9) << c.text;
  }
}

TEST(CssColor, RefusesWhatCssRefuses) {
  for (const char* text : {"bleu",
                           "#12345",
                           "#ggg",
                           "rgb(255, 0 0)",
                           "rgb(100%, 0, 0)",
                           "rgb(none, 0, 0)",
                           "hsl(120, 100, 50)",
                           "hwb(0, 10%, 10%)",
                           "rgb(1 2)",
                           "rgb(1 2 3 /)",
                           "rgb(1 2 3 4)",
                           "rgb(1 2 3, 4)",
                           "hsl(10% 50% 50%)",
                           "rgb(10deg 0 0)",
                           "rgb(calc(1) 0 0)",
                           "lab(50 0 0)",
                           "currentcolor",
                           "rgb(1e999 0 0)",
                           "rgb(1 2 3",
                           ""}) {
    EXPECT_FALSE(ParseCssColor(text).has_value()) << text;
  }
}

TEST(CssColor, WritesHexForWholeBytesAndReadsBackWhatItWrote) {
  EXPECT_EQ(FormatCssColor({1, 128 / 255.0, 0, 1}), "#ff8000");
  EXPECT_EQ(FormatCssColor({1, 0.5, 0, 0.25}), "rgba(255, 127.5, 0, 0.25)");
  const SourceColor odd{0.123456789, 0.987654321, 0.5, 0.333333333};
  const std::optional<SourceColor> back = ParseCssColor(FormatCssColor(odd));
  ASSERT_TRUE(back.has_value());
  EXPECT_NEAR(back->red, odd.red, 2e-6);
  EXPECT_NEAR(back->green, odd.green, 2e-6);
  EXPECT_NEAR(back->alpha, odd.alpha, 1e-6);
}

}  // namespace
