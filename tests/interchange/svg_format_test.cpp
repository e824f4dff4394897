#include "interchange/svg_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "painted_stops.h"

namespace {

std::string Svg(const std::string& body) {
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" "
         "xmlns:xlink=\"http://www.w3.org/1999/xlink\"><defs>" +
         body + "</defs></svg>";
}

void ExpectColor(const SourceGradient& g, double p, const SourceColor& e,
                 const std::string& label) {
  const SourceColor c = g.colorAt(p);
  EXPECT_NEAR(c.red, e.red, 1e-9) << label << " at " << p;
  EXPECT_NEAR(c.green, e.green, 1e-9) << label << " at " << p;
  EXPECT_NEAR(c.blue, e.blue, 1e-9) << label << " at " << p;
  EXPECT_NEAR(c.alpha, e.alpha, 1e-9) << label << " at " << p;
}

bool HasNote(const SourceGradient& g, const std::string& part) {
  for (const std::string& note : g.notes) {
    if (note.find(part) != std::string::npos) return true;
  }
  return false;
}

TEST(SvgFormat, ReadsStopsFromAttributesAndStylesAndBlendsStraight) {
  struct Case {
    const char* stops;
    std::vector<std::pair<double, SourceColor>> probes;
    std::vector<double> hardEdges;
  } cases[] = {
      // Straight blending: opaque red into clear blue is half of each.
      {"<stop offset='0' stop-color='red'/><stop offset='1' stop-color='blue' stop-opacity='0'/>",
       {{0.5, {0.5, 0, 0.5, 0.5}}},
       {}},
      // The style wins over the attribute; missing colour is black, opacity 1.
      {"<stop offset='0%' stop-color='red' style='stop-color: LIME ; stop-opacity:50%'/>"
       "<stop offset='100%'/>",
       {{0, {0, 1, 0, 0.5}}, {1, {0, 0, 0, 1}}},
       {}},
      // Offsets held to 0..1 and never backwards: two stops end up at 60 %.
      {"<stop offset='-0.5' stop-color='rgb(255 0 0 / 0.5)' stop-opacity='0.5'/>"
       "<stop offset='0.6' stop-color='#00f'/><stop offset='30%' stop-color='lime'/>"
       "<stop offset='1.5' stop-color='white'/>",
       {{0, {1, 0, 0, 0.25}}, {0.3, {0.5, 0, 0.5, 0.625}}, {0.6, {0, 1, 0, 1}}, {1, {1, 1, 1, 1}}},
       {0.6}},
      {"<stop offset='0.25' stop-color='hsl(120 100% 25%)'/>",
       {{0, {0, 0.5, 0, 1}}, {1, {0, 0.5, 0, 1}}},
       {}},
  };
  for (const Case& c : cases) {
    const ReadResult read = ReadSvgGradients(
        Svg(std::string("<linearGradient id='g'>") + c.stops + "</linearGradient>"));
    ASSERT_TRUE(read.ok()) << c.stops << read.error;
    ASSERT_EQ(read.gradients.size(), 1u);
    EXPECT_EQ(read.gradients[0].name, "g");
    for (const auto& probe : c.probes)
      ExpectColor(read.gradients[0], probe.first, probe.second, c.stops);
    EXPECT_EQ(read.gradients[0].hardEdges, c.hardEdges) << c.stops;
  }
}

TEST(SvgFormat, FollowsHrefChainsAndSkipsWhatPaintsNothing) {
  std::string chain;
  for (int i = 0; i < 40; ++i) {
    chain +=
        "<linearGradient id='c" + std::to_string(i) + "' href='#c" + std::to_string(i + 1) + "'/>";
  }
  chain += "<linearGradient id='c40'><stop stop-color='white'/></linearGradient>";
  const ReadResult read = ReadSvgGradients(
      Svg("<linearGradient id='base'><stop offset='0' stop-color='red'/>"
          "<stop offset='1' stop-color='blue'/></linearGradient>"
          "<radialGradient id='ring' xlink:href='#base' cx='0.5'/>"
          "<linearGradient id='twice' href='#ring' xlink:href='#nowhere'/>"
          "<linearGradient id='own' href='#base'><stop stop-color='lime'/></linearGradient>"
          "<linearGradient id='loopA' href='#loopB'/><linearGradient id='loopB' href='#loopA'/>"
          "<linearGradient id='empty'/><linearGradient/>" +
          chain));
  ASSERT_TRUE(read.ok()) << read.error;
  std::vector<std::string> names;
  for (const SourceGradient& g : read.gradients) names.push_back(g.name);
  // c0..c7 are 33 or more steps from c40; c8 is 32.
  std::vector<std::string> expected = {"base", "ring", "twice", "own"};
  for (int i = 8; i <= 40; ++i) expected.push_back("c" + std::to_string(i));
  EXPECT_EQ(names, expected);
  ExpectColor(read.gradients[1], 0.5, {0.5, 0, 0.5, 1}, "ring");
  ExpectColor(read.gradients[2], 0.5, {0.5, 0, 0.5, 1}, "twice");
  ExpectColor(read.gradients[3], 0.5, {0, 1, 0, 1}, "own");
  ExpectColor(read.gradients[4], 0.5, {1, 1, 1, 1}, "c8");
  EXPECT_TRUE(HasNote(read.gradients[1], "radial"));
  EXPECT_TRUE(HasNote(read.gradients[2], "stops taken from 'base'"));
  EXPECT_TRUE(HasNote(read.gradients[0], "'loopA' has no stops and its href chain loops back"));
  EXPECT_TRUE(HasNote(read.gradients[0], "'empty' has no stops, so it paints nothing; skipped"));
  EXPECT_TRUE(HasNote(read.gradients[0], "'gradient 8' has no stops"));
  EXPECT_TRUE(HasNote(read.gradients[0], "'c7' has no stops within 32 href steps"));
}

TEST(SvgFormat, ResolvesCurrentColorAndNotesWhatItCannotRead) {
  const ReadResult read = ReadSvgGradients(
      Svg("<g style='color: blue'><linearGradient id='g'><stop stop-color='currentColor'/>"
          "<stop offset='0.5' stop-color='bleu' stop-opacity='lots'/></linearGradient></g>"));
  ASSERT_TRUE(read.ok()) << read.error;
  ExpectColor(read.gradients[0], 0, {0, 0, 1, 1}, "currentColor");
  ExpectColor(read.gradients[0], 0.5, {0, 0, 0, 1}, "unreadable");
  EXPECT_TRUE(HasNote(read.gradients[0], "stop-color 'bleu' not understood"));
  EXPECT_TRUE(HasNote(read.gradients[0], "stop-opacity 'lots' not understood"));
}

TEST(SvgFormat, RefusesWithAnSvgError) {
  std::string many = "<linearGradient id='m'>";
  for (int i = 0; i < 10001; ++i) many += "<stop/>";
  many += "</linearGradient>";
  struct Case {
    std::string svg;
    const char* error;
  } cases[] = {
      {"<svg><linearGradient id='a'><stop></linearGradient></svg>",
       "SVG gradient: malformed XML: Start-end tags mismatch at byte 36"},
      {"", "SVG gradient: malformed XML: No document element found at byte 0"},
      {Svg("<rect/>"), "SVG gradient: no <linearGradient> or <radialGradient>"},
      {Svg("<linearGradient id='a' href='other.svg#b'/>"),
       "SVG gradient: no gradient has stops (SVG gradient 'a' has no stops and its href "
       "'other.svg#b' "
       "leads outside the file, so it paints nothing; skipped)"},
      {Svg(many), "SVG gradient: gradient 'm' has more than 10000 stops"},
      {std::string(kMaxInterchangeBytes + 1, ' '), "SVG gradient: the file is larger than 16 MiB"},
  };
  for (const Case& c : cases) {
    const ReadResult read = ReadSvgGradients(c.svg);
    EXPECT_TRUE(read.gradients.empty()) << c.error;
    EXPECT_EQ(read.error.substr(0, std::string(c.error).size()), c.error);
  }
}

// Nesting far deeper than any limit is walked without recursion.
TEST(SvgFormat, ReadsAGradientUnderDeeplyNestedElements) {
  std::string svg = "<svg>";
  for (int i = 0; i < 200000; ++i) svg += "<g>";
  svg += "<linearGradient id='deep'><stop stop-color='red'/></linearGradient>";
  for (int i = 0; i < 200000; ++i) svg += "</g>";
  svg += "</svg>";
  const ReadResult read = ReadSvgGradients(svg);
  ASSERT_TRUE(read.ok()) << read.error;
  ExpectColor(read.gradients[0], 0.5, {1, 0, 0, 1}, "deep");
}

TEST(SvgFormat, WritesASafeIdAndRandomStopsReadBackPaintingTheSame) {
  const std::string written = WriteSvgGradient({{0.5, {1, 0, 0, 0.25}}}, "9 sunset/dusk");
  EXPECT_NE(written.find("<linearGradient id=\"_9_sunset_dusk\">"), std::string::npos) << written;
  EXPECT_NE(written.find("<stop offset=\"0.5\" stop-color=\"#ff0000\" stop-opacity=\"0.25\" />"),
            std::string::npos)
      << written;

  TestRandom random(0x5C6);
  for (int round = 0; round < 300; ++round) {
    const std::vector<LinearStop> stops = RandomLinearStops(random);
    const std::string svg = WriteSvgGradient(stops, "g");
    const ReadResult read = ReadSvgGradients(svg);
    ASSERT_TRUE(read.ok()) << svg << read.error;
    ASSERT_EQ(read.gradients.size(), 1u);
    for (int i = 0; i <= 1000; ++i) {
      const double p = i / 1000.0;
      const Painted expected = PaintStops(stops, StopBlend::Straight, p);
      const Painted actual = Premultiply(read.gradients[0].colorAt(p));
      for (int c = 0; c < 4; ++c) ASSERT_NEAR(actual[c], expected[c], 1e-6) << svg << " at " << p;
    }
  }
}

}  // namespace
