#include "interchange/css_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "painted_stops.h"

namespace {

struct Probe {
  double position;
  SourceColor expected;
};

void ExpectColors(const SourceGradient& g, const std::vector<Probe>& probes, const char* label) {
  for (const Probe& probe : probes) {
    const SourceColor c = g.colorAt(probe.position);
    EXPECT_NEAR(c.red, probe.expected.red, 1e-9) << label << " at " << probe.position;
    EXPECT_NEAR(c.green, probe.expected.green, 1e-9) << label << " at " << probe.position;
    EXPECT_NEAR(c.blue, probe.expected.blue, 1e-9) << label << " at " << probe.position;
    EXPECT_NEAR(c.alpha, probe.expected.alpha, 1e-9) << label << " at " << probe.position;
  }
}

TEST(CssFormat, SettlesPositionsBlendsAndRepeatsAsCssPaints) {
  const SourceColor red{1, 0, 0, 1}, lime{0, 1, 0, 1}, blue{0, 0, 1, 1}, white{1, 1, 1, 1};
  const double root = std::sqrt(0.5);
  struct Case {
    const char* css;
    std::vector<Probe> probes;
    std::vector<double> hardEdges;
  } cases[] = {
      {"linear-gradient(red, lime, blue)", {{0.25, {0.5, 0.5, 0, 1}}, {0.5, lime}, {1, blue}}, {}},
      {"linear-gradient(red 20%, lime, blue 80%)", {{0.1, red}, {0.5, lime}, {0.9, blue}}, {}},
      // A position before an earlier one moves up to it.
      {"linear-gradient(red 50%, lime 20%, blue)",
       {{0.49, red}, {0.5, lime}, {0.75, {0, .5, .5, 1}}},
       {0.5}},
      {"linear-gradient(red, lime, blue 40%, white, black)",
       {{0.2, lime}, {0.4, blue}, {0.7, white}},
       {}},
      {"linear-gradient(red 10% 30%, blue)", {{0.2, red}, {0.65, {0.5, 0, 0.5, 1}}}, {}},
      {"linear-gradient(red 30%, blue 30%)", {{0.29, red}, {0.3, blue}}, {0.3}},
      // The hint at a quarter: half way there, and t^0.5 at the middle.
      {"linear-gradient(red, 25%, blue)",
       {{0.25, {0.5, 0, 0.5, 1}}, {0.5, {1 - root, 0, root, 1}}},
       {}},
      {"linear-gradient(red, 0%, blue)", {{0, blue}, {0.5, blue}}, {0}},
      {"linear-gradient(red, 100%, blue)", {{0.99, red}, {1, blue}}, {1}},
      // A hint is a positioned neighbour for the stops spread after it.
      {"linear-gradient(red, 60%, lime, blue)", {{0.8, lime}}, {}},
      // Premultiplied: red fading out stays red; half-clear red into blue.
      {"linear-gradient(red, transparent)", {{0.5, {1, 0, 0, 0.5}}}, {}},
      {"linear-gradient(rgb(255 0 0 / 50%), blue)", {{0.5, {1 / 3.0, 0, 2 / 3.0, 0.75}}}, {}},
      {"repeating-linear-gradient(red 0%, blue 25%)",
       {{0.3, {0.8, 0, 0.2, 1}}, {0.5, red}, {0.99, {0.04, 0, 0.96, 1}}},
       {0, 0.25, 0.5, 0.75, 1}},
      {"repeating-linear-gradient(45deg, red 10%, blue 30%)",
       {{0.05, {0.25, 0, 0.75, 1}}, {0.1, red}, {0.35, {0.75, 0, 0.25, 1}}},
       {0.1, 0.3, 0.5, 0.7, 0.9}},
      {"repeating-linear-gradient(red 0%, red 50%, blue 50%, blue 100%)",
       {{0.25, red}, {0.5, blue}},
       {0, 0.5, 1}},
  };
  for (const Case& c : cases) {
    const ReadResult read = ReadCssGradients(c.css);
    ASSERT_TRUE(read.ok()) << c.css << ": " << read.error;
    ASSERT_EQ(read.gradients.size(), 1u) << c.css;
    ExpectColors(read.gradients[0], c.probes, c.css);
    ASSERT_EQ(read.gradients[0].hardEdges.size(), c.hardEdges.size()) << c.css;
    for (size_t i = 0; i < c.hardEdges.size(); ++i) {
      EXPECT_NEAR(read.gradients[0].hardEdges[i], c.hardEdges[i], 1e-12) << c.css;
    }
  }
}

TEST(CssFormat, FindsEveryGradientInAStyleSheetAndNotesWhatItLeavesOut) {
  const ReadResult read = ReadCssGradients(
      "/* linear-gradient(red, blue) */ .a { content: \"linear-gradient(\"; }\n"
      ".b { background: -webkit-linear-gradient(left, red, blue);\n"
      "     background: LINEAR-GRADIENT(to right, red, blue); }\n"
      ":root { --brand-fade: repeating-linear-gradient(0.25turn in oklab, red, blue 20%); }\n"
      ".c { background-image: url(x.png), linear-gradient(in srgb, red, blue); }\n");
  ASSERT_TRUE(read.ok()) << read.error;
  ASSERT_EQ(read.gradients.size(), 3u);
  EXPECT_EQ(read.gradients[0].name, "gradient 1");
  EXPECT_EQ(read.gradients[1].name, "--brand-fade");
  EXPECT_EQ(read.gradients[2].name, "gradient 3");
  ASSERT_EQ(read.gradients[0].notes.size(), 1u);
  EXPECT_NE(read.gradients[0].notes[0].find("'to right' ignored"), std::string::npos);
  ASSERT_EQ(read.gradients[1].notes.size(), 2u);
  EXPECT_NE(read.gradients[1].notes[0].find("'0.25turn'"), std::string::npos);
  EXPECT_NE(read.gradients[1].notes[1].find("'in oklab'"), std::string::npos);
  EXPECT_TRUE(read.gradients[2].notes.empty());
}

TEST(CssFormat, RefusesWhatCannotBeAGradationAndSaysWhere) {
  std::string deep = "linear-gradient(red, rgb";
  for (int i = 0; i < 40; ++i) deep += "(";
  std::string many = "linear-gradient(red";
  for (int i = 0; i < 10000; ++i) many += ", blue";
  many += ")";
  struct Case {
    std::string css;
    const char* error;
  } cases[] = {
      {"linear-gradient(red 10px, blue)",
       "CSS gradient: line 1: stop positions in px cannot be placed on a gradation; use "
       "percentages"},
      {"color: red;", "CSS gradient: no linear-gradient() or repeating-linear-gradient() found"},
      {"\n\nlinear-gradient(red, bleu)", "CSS gradient: line 3: 'bleu' is not a colour"},
      {"linear-gradient(red, 50%)",
       "CSS gradient: line 1: a colour hint must stand between two colour stops"},
      {"linear-gradient(red, 20%, 50%, blue)",
       "CSS gradient: line 1: a colour hint must stand between"},
      {"linear-gradient(red 50, blue)", "CSS gradient: line 1: the stop position '50' has no unit"},
      {"linear-gradient(red, var(--x))", "CSS gradient: line 1: var() cannot be resolved"},
      {"linear-gradient(red calc(50%), blue)",
       "CSS gradient: line 1: calc() positions cannot be placed"},
      {"linear-gradient(red 1% 2% 3%, blue)",
       "CSS gradient: line 1: 'red 1% 2% 3%' has more than two"},
      {"linear-gradient(red, , blue)", "CSS gradient: line 1: an empty argument"},
      {"linear-gradient(to right)", "CSS gradient: line 1: a gradient without colour stops"},
      {"linear-gradient(red, blue", "CSS gradient: line 1: linear-gradient( is never closed"},
      {deep, "CSS gradient: line 1: parentheses nested deeper than 32"},
      {"repeating-linear-gradient(red 0%, blue 0.001%)",
       "CSS gradient: line 1: the repeating gradient"},
      {many, "CSS gradient: line 1: more than 10000 colour stops"},
      {std::string(kMaxInterchangeBytes + 1, ' '), "CSS gradient: the file is larger than 16 MiB"},
  };
  for (const Case& c : cases) {
    const ReadResult read = ReadCssGradients(c.css);
    EXPECT_TRUE(read.gradients.empty()) << c.error;
    EXPECT_EQ(read.error.substr(0, std::string(c.error).size()), c.error);
  }
}

TEST(CssFormat, WritesOneLinearGradientWithHardEdgesAsSharedPercentages) {
  const std::vector<LinearStop> stops = {{0.0, {1, 0, 0, 1}},
                                         {0.125, {0, 0, 1, 0.5}},
                                         {0.125, {0.2, 0.4, 0.6, 1}},
                                         {1.0, {0, 1, 0, 1}}};
  EXPECT_EQ(WriteCssGradient(stops),
            "linear-gradient(to right, #ff0000 0%, rgba(0, 0, 255, 0.5) 12.5%, #336699 12.5%, "
            "#00ff00 100%)\n");
}

TEST(CssFormat, RandomStopsWrittenAndReadBackPaintTheSame) {
  TestRandom random(0xC55);
  for (int round = 0; round < 300; ++round) {
    const std::vector<LinearStop> stops = RandomLinearStops(random);
    const std::string css = WriteCssGradient(stops);
    const ReadResult read = ReadCssGradients(css);
    ASSERT_TRUE(read.ok()) << css << read.error;
    ASSERT_EQ(read.gradients.size(), 1u);
    for (int i = 0; i <= 1000; ++i) {
      const double p = i / 1000.0;
      const Painted expected = PaintStops(stops, StopBlend::Premultiplied, p);
      const Painted actual = Premultiply(read.gradients[0].colorAt(p));
      for (int c = 0; c < 4; ++c) ASSERT_NEAR(actual[c], expected[c], 1e-5) << css << " at " << p;
    }
  }
}

// Damaged text is read or refused with a CSS error, never anything worse.
TEST(CssFormat, MangledTextIsReadOrRefusedCleanly) {
  TestRandom random(0xBAD);
  const std::string base =
      "a { --x: repeating-linear-gradient(45deg, hsl(10 50% 50% / .5) 10% 20%, 30%, "
      "rgb(1, 2, 3) 40%, #abc, transparent 90%); b: linear-gradient(red, blue); }";
  const char inserts[] = "(),%/ -.e0123456789#\"";
  for (int round = 0; round < 3000; ++round) {
    std::string css = base;
    for (int edit = 0; edit < 4; ++edit) {
      const size_t at = random.Below(static_cast<uint32_t>(css.size()));
      if (random.Below(2) == 0) {
        css.erase(at, 1 + random.Below(3));
      } else {
        css.insert(at, 1, inserts[random.Below(sizeof inserts - 1)]);
      }
    }
    const ReadResult read = ReadCssGradients(css);
    if (read.ok()) {
      for (const SourceGradient& g : read.gradients) {
        const SourceColor c = g.colorAt(0.37);
        EXPECT_TRUE(c.alpha >= 0.0 && c.alpha <= 1.0) << css;
      }
    } else {
      EXPECT_EQ(read.error.rfind("CSS gradient: ", 0), 0u) << read.error;
    }
  }
}

}  // namespace
