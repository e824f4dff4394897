// 8BGR gradient packs: one file assembled byte by byte from the layout, packs
// built by the test writer, and damaged or hostile input.
#include "interchange/grd8_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/grd8_writer.h"

namespace {

using namespace grd8;

// Bytes from hexadecimal pairs, spaces ignored.
std::string Hex(std::string_view pairs) {
  std::string out;
  int high = -1;
  for (const char c : pairs) {
    if (c == ' ') continue;
    const int digit = c <= '9' ? c - '0' : c - 'A' + 10;
    if (high < 0) {
      high = digit;
    } else {
      out += static_cast<char>(high << 4 | digit);
      high = -1;
    }
  }
  return out;
}

const std::string kEmptyName = Hex("00000001 0000");  // one unit: the terminating zero
std::string ShortKey(const char* key) { return Hex("00000000") + key; }

// Red at 0 to blue at 4096 with the span's midpoint at 25 %, opaque to clear,
// named "Ré😀" (a surrogate pair). Not built with the writer.
std::string HandAssembled() {
  const std::string rgbRed = "Objc" + kEmptyName + ShortKey("RGBC") + Hex("00000003") +
                             ShortKey("Rd  ") + "doub" + Hex("406FE00000000000") +
                             ShortKey("Grn ") + "doub" + Hex("0000000000000000") +
                             ShortKey("Bl  ") + "doub" + Hex("0000000000000000");
  const std::string rgbBlue = "Objc" + kEmptyName + ShortKey("RGBC") + Hex("00000003") +
                              ShortKey("Rd  ") + "doub" + Hex("0000000000000000") +
                              ShortKey("Grn ") + "doub" + Hex("0000000000000000") +
                              ShortKey("Bl  ") + "doub" + Hex("406FE00000000000");
  const auto colorStop = [](const std::string& color, const char* location, const char* midpoint) {
    return "Objc" + kEmptyName + ShortKey("Clrt") + Hex("00000004") + ShortKey("Clr ") + color +
           ShortKey("Type") + "enum" + ShortKey("Clry") + ShortKey("UsrS") + ShortKey("Lctn") +
           "long" + Hex(location) + ShortKey("Mdpn") + "long" + Hex(midpoint);
  };
  const auto opacityStop = [](const char* percent, const char* location) {
    return "Objc" + kEmptyName + ShortKey("TrnS") + Hex("00000003") + ShortKey("Opct") + "UntF" +
           "#Prc" + Hex(percent) + ShortKey("Lctn") + "long" + Hex(location) + ShortKey("Mdpn") +
           "long" + Hex("00000032");
  };
  const std::string gradient =
      "Objc" + kEmptyName + ShortKey("Grdn") + Hex("00000005") +  //
      ShortKey("Nm  ") + "TEXT" + Hex("00000005 0052 00E9 D83D DE00 0000") + ShortKey("GrdF") +
      "enum" + ShortKey("GrdF") + ShortKey("CstS") +         //
      ShortKey("Intr") + "doub" + Hex("40B0000000000000") +  //
      ShortKey("Clrs") + "VlLs" + Hex("00000002") + colorStop(rgbRed, "00000000", "00000032") +
      colorStop(rgbBlue, "00001000", "00000019") + ShortKey("Trns") + "VlLs" + Hex("00000002") +
      opacityStop("4059000000000000", "00000000") + opacityStop("0000000000000000", "00001000");
  return "8BGR" + Hex("0005 00000010") + kEmptyName + ShortKey("null") + Hex("00000001") +
         ShortKey("GrdL") + "VlLs" + Hex("00000001") + "Objc" + kEmptyName + ShortKey("Grdn") +
         Hex("00000001") + ShortKey("Grad") + gradient;
}

void ExpectColor(const SourceColor& actual, const SourceColor& expected, const std::string& where,
                 double tolerance = 1e-9) {
  EXPECT_NEAR(actual.red, expected.red, tolerance) << where;
  EXPECT_NEAR(actual.green, expected.green, tolerance) << where;
  EXPECT_NEAR(actual.blue, expected.blue, tolerance) << where;
  EXPECT_NEAR(actual.alpha, expected.alpha, tolerance) << where;
}

bool HasNote(const SourceGradient& gradient, const std::string& part) {
  for (const std::string& note : gradient.notes) {
    if (note.find(part) != std::string::npos) return true;
  }
  return false;
}

TEST(Grd8Format, ReadsAFileAssembledFromTheLayout) {
  const ReadResult result = ReadGrd8Gradients(HandAssembled());
  ASSERT_TRUE(result.ok()) << result.error;
  ASSERT_EQ(result.gradients.size(), 1u);
  const SourceGradient& gradient = result.gradients[0];
  EXPECT_EQ(gradient.name, "R\xC3\xA9\xF0\x9F\x98\x80");
  EXPECT_TRUE(gradient.hardEdges.empty());
  EXPECT_TRUE(gradient.notes.empty());
  // The colour span reaches half way at its midpoint, 0.25, and follows
  // t^(log 0.5 / log 0.25) = sqrt(t); opacity falls linearly.
  const struct {
    double position;
    SourceColor expected;
  } kSamples[] = {
      {0.0, {1.0, 0.0, 0.0, 1.0}},
      {0.25, {0.5, 0.0, 0.5, 0.75}},
      {0.5, {1.0 - std::sqrt(0.5), 0.0, std::sqrt(0.5), 0.5}},
      {1.0, {0.0, 0.0, 1.0, 0.0}},
  };
  for (const auto& sample : kSamples) {
    ExpectColor(gradient.colorAt(sample.position), sample.expected,
                "at " + std::to_string(sample.position));
  }
}

TEST(Grd8Format, ReadsEveryColourModel) {
  const auto withColor = [](const std::string& color) {
    return Pack({Gradient{u"One", {ColorStop{color}}, {OpacityStop{}}}});
  };
  const struct {
    const char* what;
    std::string color;
    double red, green, blue;  // 0..255
    const char* note;
  } kCases[] = {
      {"RGB doubles", Rgb(255, 128, 0), 255, 128, 0, nullptr},
      {"RGB longs",
       Objc("RGBC", {Item("Rd  ", Long(10)), Item("Grn ", Long(20)), Item("Bl  ", Long(30))}), 10,
       20, 30, nullptr},
      {"RGB fractions",
       Objc("RGBC", {Item("redFloat", Doub(0.5)), Item("greenFloat", Doub(0.25)),
                     Item("blueFloat", Doub(1.0))}),
       127.5, 63.75, 255, nullptr},
      {"HSB, hue as an angle",
       Objc("HSBC", {Item("H   ", UntF("#Ang", 120)), Item("Strt", Doub(100)),
                     Item("Brgh", UntF("#Prc", 50))}),
       0, 127.5, 0, nullptr},
      {"HSB, hue past a turn",
       Objc("HSBC", {Item("H   ", Doub(600)), Item("Strt", Doub(50)), Item("Brgh", Doub(100))}),
       127.5, 127.5, 255, nullptr},
      {"grey as ink", Objc("Grsc", {Item("Gry ", Doub(25))}), 191.25, 191.25, 191.25, nullptr},
      {"CMYK",
       Objc("CMYC", {Item("Cyn ", Doub(50)), Item("Mgnt", Doub(0)), Item("Ylw ", Doub(0)),
                     Item("Blck", Doub(50))}),
       63.75, 127.5, 127.5, "without a colour profile"},
      {"Lab mid grey",
       Objc("LbCl", {Item("Lmnc", Doub(50)), Item("A   ", Doub(0)), Item("B   ", Doub(0))}), 119,
       119, 119, nullptr},
      {"Lab white",
       Objc("LbCl", {Item("Lmnc", Doub(100)), Item("A   ", Doub(0)), Item("B   ", Doub(0))}), 255,
       255, 255, nullptr},
      {"Lab of sRGB red",
       Objc("LbCl",
            {Item("Lmnc", Doub(54.29)), Item("A   ", Doub(80.81)), Item("B   ", Doub(69.89))}),
       255, 0, 0, nullptr},
      {"book colour carrying a colour",
       Objc("BkCl", {Item("Bk  ", Text(u"Book")), Item("Nm  ", Text(u"Ink 1")),
                     Item("bookKey", Tdta("K1")), Item("Clr ", Rgb(1, 2, 3))}),
       1, 2, 3, nullptr},
      {"book colour with Lab items",
       Objc("BkCl", {Item("Lmnc", Doub(100)), Item("A   ", Doub(0)), Item("B   ", Doub(0))}), 255,
       255, 255, nullptr},
      {"book colour without values",
       Objc("BkCl", {Item("Bk  ", Text(u"Book")), Item("Nm  ", Text(u"Ink 2")),
                     Item("bookID", Long(3000)), Item("bookKey", Tdta(std::string("\0\1", 2)))}),
       0, 0, 0, "book colour 'Ink 2' carries no colour values"},
  };
  for (const auto& c : kCases) {
    const ReadResult result = ReadGrd8Gradients(withColor(c.color));
    ASSERT_TRUE(result.ok()) << c.what << ": " << result.error;
    const SourceGradient& gradient = result.gradients.at(0);
    ExpectColor(gradient.colorAt(0.5), {c.red / 255, c.green / 255, c.blue / 255, 1.0}, c.what,
                1.0 / 255);
    if (c.note != nullptr) {
      EXPECT_TRUE(HasNote(gradient, c.note)) << c.what;
    } else {
      EXPECT_TRUE(gradient.notes.empty()) << c.what;
    }
  }
}

TEST(Grd8Format, PackSkipsNoiseAndReplacesWhatItCannotHold) {
  Gradient edges{u"$$$/Presets/Edges=Edges",
                 // Out of order in the file; the two at 2048 keep their order.
                 {ColorStop{Rgb(0, 0, 255), 3584}, ColorStop{Rgb(255, 0, 0), 512},
                  ColorStop{Rgb(255, 0, 0), 2048}, ColorStop{Rgb(0, 0, 255), 2048}},
                 {OpacityStop{100, 0}, OpacityStop{100, 1024}, OpacityStop{0, 1024}}};
  Gradient noise{u"Fuzz", {}, {}, "ClNs"};
  Gradient ends{u"Ends", {ColorStop{"", 0, 50, "FrgC"}, ColorStop{"", 4096, 50, "BckC"}}, {}};
  ends.smoothness = 2048;
  const ReadResult result = ReadGrd8Gradients(Pack({edges, noise, ends}));
  ASSERT_TRUE(result.ok()) << result.error;
  ASSERT_EQ(result.gradients.size(), 2u);

  const SourceGradient& first = result.gradients[0];
  EXPECT_EQ(first.name, "Edges");
  EXPECT_EQ(first.hardEdges, (std::vector<double>{0.25, 0.5}));
  ASSERT_EQ(first.notes.size(), 1u);
  EXPECT_EQ(first.notes[0], "skipped 1 noise gradient(s), which cannot be imported: 'Fuzz'");
  const struct {
    double position;
    SourceColor expected;
  } kSamples[] = {
      {0.0, {1, 0, 0, 1}},    {0.2499, {1, 0, 0, 1}}, {0.25, {1, 0, 0, 0}},
      {0.4999, {1, 0, 0, 0}}, {0.5, {0, 0, 1, 0}},    {1.0, {0, 0, 1, 0}},
  };
  for (const auto& sample : kSamples) {
    ExpectColor(first.colorAt(sample.position), sample.expected,
                "Edges at " + std::to_string(sample.position));
  }

  const SourceGradient& second = result.gradients[1];
  EXPECT_EQ(second.name, "Ends");
  ExpectColor(second.colorAt(0.0), {0, 0, 0, 1}, "Ends at 0");
  ExpectColor(second.colorAt(0.5), {0.5, 0.5, 0.5, 1}, "Ends at 0.5");
  EXPECT_EQ(second.notes, (std::vector<std::string>{
                              "foreground colour stops were taken as black",
                              "background colour stops were taken as white",
                              "the gradient has no opacity stops; taken as opaque",
                              "smoothness 50 % is approximated by straight blends between stops",
                          }));
}

TEST(Grd8Format, RejectsBrokenAndHostileFiles) {
  const auto withGradient = [](const std::vector<std::string>& items) {
    return File(Descriptor(
        "null", {Item("GrdL", VlLs({Objc("Grdn", {Item("Grad", Objc("Grdn", items))})}))}));
  };
  const Gradient good{u"Good", {ColorStop{Rgb(1, 2, 3)}}, {OpacityStop{}}};
  std::string deepObjects = Descriptor("leaf", {});
  std::string deepLists = Long(1);
  for (int i = 0; i < 40; ++i) {
    deepObjects = Descriptor("nest", {Item("Deep", "Objc" + deepObjects)});
    deepLists = VlLs({deepLists});
  }
  Gradient crowded{u"Crowded", {}, {}};
  crowded.colors.assign(kMaxInterchangeStops + 1, ColorStop{Rgb(0, 0, 0)});
  std::string huge = File(Descriptor("null", {}));
  huge.resize(kMaxInterchangeBytes + 1);

  const struct {
    const char* what;
    std::string bytes;
    const char* message;
  } kCases[] = {
      {"not a pack", "GIMP Gradient\n", "does not start with \"8BGR\""},
      {"version 3", File(Descriptor("null", {}), 3),
       "version 3 files are not supported; re-save it in a newer version"},
      {"version 6", File(Descriptor("null", {}), 6), "version 6 files are not supported"},
      {"descriptor version", "8BGR" + U16(5) + U32(17) + Descriptor("null", {}),
       "descriptor version 17"},
      {"larger than allowed", huge, "the file is larger than 16 MiB"},
      {"unknown value type", File(Descriptor("null", {Item("Rfrn", "obj " + U32(0))})),
       "unknown type 'obj '"},
      {"list longer than the file", File(Descriptor("null", {Item("GrdL", "VlLs" + U32(~0u))})),
       "claims 4294967295 values"},
      {"items beyond the file", File(Descriptor("null", {}).substr(0, 14) + U32(100000)),
       "claims 100000 items"},
      {"text beyond the file", File(Descriptor("null", {Item("Nm  ", "TEXT" + U32(1u << 30))})),
       "claims 1073741824 characters"},
      {"objects nested too deep", File(deepObjects), "nest more than 32 levels"},
      {"lists nested too deep", File(Descriptor("null", {Item("Deep", deepLists)})),
       "nest more than 32 levels"},
      {"only noise", Pack({Gradient{u"Fuzz", {}, {}, "ClNs"}, Gradient{u"Hiss", {}, {}, "ClNs"}}),
       "holds only noise gradients ('Fuzz', 'Hiss')"},
      {"no gradient list", File(Descriptor("null", {})), "no gradient list"},
      {"empty gradient list", Pack({}), "holds no gradients"},
      {"too many stops", Pack({good, crowded}),
       "gradient 2 ('Crowded'): 10001 colour stops, more than the 10000 allowed"},
      {"no colour stops", Pack({Gradient{u"Bare", {}, {}}}), "'Bare'): no colour stops"},
      {"unknown gradient kind", Pack({Gradient{u"Odd", {}, {}, "Wave"}}),
       "gradient of unknown kind 'Wave'"},
      {"unknown colour model", Pack({Gradient{u"Ink", {ColorStop{Objc("XYZC", {})}}, {}}}),
       "colour of unknown kind 'XYZC'"},
      {"missing component",
       Pack({Gradient{
           u"Ink", {ColorStop{Objc("RGBC", {Item("Rd  ", Doub(1)), Item("Bl  ", Doub(1))})}}, {}}}),
       "'RGBC' has no 'Grn '"},
      {"not a finite number", Pack({Gradient{u"Ink", {ColorStop{Rgb(0, NAN, 0)}}, {}}}),
       "'Grn ' in 'RGBC' is not a finite number"},
      {"stop without location",
       withGradient({Item("Clrs", VlLs({Objc("Clrt", {Item("Clr ", Rgb(0, 0, 0))})}))}),
       "'Clrt' has no 'Lctn'"},
      {"entry without gradient", File(Descriptor("null", {Item("GrdL", VlLs({Long(1)}))})),
       "gradient 1 holds no gradient ('Grad')"},
  };
  for (const auto& c : kCases) {
    const ReadResult result = ReadGrd8Gradients(c.bytes);
    EXPECT_FALSE(result.ok()) << c.what;
    EXPECT_TRUE(result.gradients.empty()) << c.what;
    EXPECT_EQ(result.error.rfind("8BGR gradient file: ", 0), 0u) << c.what << ": " << result.error;
    EXPECT_NE(result.error.find(c.message), std::string::npos) << c.what << ": " << result.error;
  }
}

TEST(Grd8Format, EveryCutShortFileFails) {
  const std::string files[] = {
      HandAssembled(),
      Pack({Gradient{
                u"A", {ColorStop{Rgb(0, 0, 0)}, ColorStop{Rgb(9, 9, 9), 4096}}, {OpacityStop{}}},
            Gradient{u"Fuzz", {}, {}, "ClNs"},
            Gradient{u"B", {ColorStop{Objc("BkCl", {Item("bookKey", Tdta("K"))})}}, {}}}),
  };
  for (const std::string& file : files) {
    ASSERT_TRUE(ReadGrd8Gradients(file).ok());
    for (size_t length = 0; length < file.size(); ++length) {
      const ReadResult result = ReadGrd8Gradients(file.substr(0, length));
      EXPECT_FALSE(result.ok()) << "cut at " << length;
      EXPECT_TRUE(result.gradients.empty()) << "cut at " << length;
    }
  }
}

}  // namespace
