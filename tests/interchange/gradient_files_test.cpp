#include "interchange/gradient_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "interchange/css_format.h"
#include "interchange/fit_tolerance.h"
#include "interchange/ggr_format.h"
#include "interchange/linear_export.h"
#include "interchange/svg_format.h"
#include "model/banks.h"
#include "support/export_round_trip.h"
#include "support/random_gradations.h"

namespace {

// Stops anywhere, opacities from 20 % up.
GradationData RandomGradationAnywhere(TestRandom& random) {
  return RandomGradation(
      random, {2, 6}, {2, 5}, [](TestRandom& r) { return r.Uniform(0.0f, 100.0f); },
      [](TestRandom& r) { return r.Uniform(20.0f, 100.0f); });
}

TEST(GradientFiles, EveryFormatIsRecognisedAndFitted) {
  TestRandom random(12);
  // Each file is recognised, read by its own reader and fitted within the
  // tolerance of what the file paints.
  const struct {
    GradientFormat format;
    ReadResult (*read)(std::string_view);
  } formats[] = {{GradientFormat::Ggr, ReadGgr},
                 {GradientFormat::Svg, ReadSvgGradients},
                 {GradientFormat::Css, ReadCssGradients}};
  for (int round = 0; round < 12; ++round) {
    const GradationData original = RandomGradationAnywhere(random);
    for (const auto& f : formats) {
      SCOPED_TRACE(std::string(GradientFormatName(f.format)) + " round " + std::to_string(round));
      const ExportRoundTrip trip = ExportAndImport(original, f.format, "g");
      ASSERT_EQ(trip.problem, "");
      const ReadResult painted = f.read(trip.file);
      ASSERT_EQ(painted.gradients.size(), 1u);
      EXPECT_EQ(FindFitMismatch(trip.back.gradients[0].gradation, painted.gradients[0]), "");
    }
  }
}

// Stops anywhere, some pairs at one position (hard edges), opacities of
// fractions, whole, clear and opaque.
GradationData RandomEdgedGradation(TestRandom& random) {
  GradationData g;
  const int colors = 2 + static_cast<int>(random.Below(7));
  for (int i = 0; i < colors; ++i) {
    const bool edge = i > 0 && random.Below(4) == 0;
    AddColorStop(g, edge ? g.colorStops.back().position : random.Uniform(0.0f, 100.0f),
                 RgbFromPacked(static_cast<uint32_t>(random.Next())));
  }
  const int alphas = 2 + static_cast<int>(random.Below(5));
  for (int i = 0; i < alphas; ++i) {
    const bool edge = i > 0 && random.Below(4) == 0;
    const float opacities[] = {0.0f, 100.0f, 1.0f, random.Uniform(0.0f, 100.0f)};
    AddAlphaStop(g, edge ? g.alphaStops.back().position : random.Uniform(0.0f, 100.0f),
                 random.Below(2) == 0 ? opacities[3] : random.Pick(opacities));
  }
  return g;
}

// Saved in another format and loaded back, a gradation stays within the fit
// tolerance of itself, not merely of the file.
TEST(GradientFiles, ExportThenImportStaysWithinTheToleranceOfTheGradation) {
  std::vector<GradationData> gradations(5);
  SetDefaultGradation(gradations[0]);
  // A fractional opacity held flat before the first stop, then eased.
  AddColorStop(gradations[1], 10.0f, Rgb{200, 30, 90});
  AddColorStop(gradations[1], 90.0f, Rgb{10, 250, 120});
  AddAlphaStop(gradations[1], 20.0f, 76.476f);
  AddAlphaStop(gradations[1], 60.0f, 3.0f);
  // Colour under an opacity of one percent, across a hard edge.
  AddColorStop(gradations[2], 0.0f, Rgb{0, 0, 0});
  AddColorStop(gradations[2], 50.0f, Rgb{255, 0, 0});
  AddColorStop(gradations[2], 50.0f, Rgb{0, 0, 255});
  AddColorStop(gradations[2], 100.0f, Rgb{255, 255, 0});
  AddAlphaStop(gradations[2], 0.0f, 1.0f);
  AddAlphaStop(gradations[2], 70.0f, 1.0f);
  AddAlphaStop(gradations[2], 70.0f, 100.0f);
  // A steep run of colours.
  for (int i = 0; i <= 20; ++i) {
    AddColorStop(gradations[3], i * 5.0f, RgbFromPacked(i % 2 == 0 ? 0x0000FFu : 0xFFFF00u));
  }
  // A steep ramp is no hard edge: it must come back at every sample, the
  // ones right beside its stops included.
  AddColorStop(gradations[4], 0.0f, Rgb{90, 160, 220});
  AddColorStop(gradations[4], 30.0f, Rgb{0, 0, 0});
  AddColorStop(gradations[4], 30.2f, Rgb{255, 255, 255});
  AddColorStop(gradations[4], 100.0f, Rgb{250, 240, 10});
  AddAlphaStop(gradations[4], 0.0f, 18.0f);
  AddAlphaStop(gradations[4], 0.36f, 100.0f);
  TestRandom random(0x7A1E);
  for (int i = 0; i < 24; ++i) gradations.push_back(RandomEdgedGradation(random));

  for (const GradientFormat format :
       {GradientFormat::Ggr, GradientFormat::Svg, GradientFormat::Css}) {
    for (size_t i = 0; i < gradations.size(); ++i) {
      SCOPED_TRACE(std::string(GradientFormatName(format)) + " gradation " + std::to_string(i));
      const ExportRoundTrip trip = ExportAndImport(gradations[i], format, "g");
      ASSERT_EQ(trip.problem, "");
      EXPECT_EQ(FindFitMismatch(trip.back.gradients[0].gradation, GradationAsSource(gradations[i])),
                "");
    }
  }
}

// Whatever bytes a name holds in the file, it is UTF-8 once read, so that a
// file written with it reads back; and a GIMP file with a byte order mark
// imports as the GIMP reader reads it.
TEST(GradientFiles, ImportedNamesAreUtf8AndExportBack) {
  const std::string stops = "<stop stop-color='red'/><stop offset='1' stop-color='blue'/>";
  const struct {
    std::string file, name;
  } rows[] = {
      {"<svg><linearGradient id='g\x80'>" + stops + "</linearGradient></svg>", "g\xEF\xBF\xBD"},
      {"--g\xFF\xC3: linear-gradient(red, blue)", "--g\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"\xEF\xBB\xBFGIMP Gradient \r\nName: g\r\n1\r\n0 0.5 1 1 0 0 1 0 0 1 1 0 0\r\n", "g"},
  };
  for (const auto& row : rows) {
    const ImportResult imported = ImportGradients(row.file);
    ASSERT_TRUE(imported.ok()) << imported.error;
    ASSERT_EQ(imported.gradients.size(), 1u);
    EXPECT_EQ(imported.gradients[0].name, row.name);
    const ExportRoundTrip trip =
        ExportAndImport(imported.gradients[0].gradation, GradientFormat::Ggr, row.name);
    ASSERT_EQ(trip.problem, "");
    EXPECT_EQ(trip.back.gradients[0].name, row.name);
  }
}

TEST(GradientFiles, ARecordLoadsExactlyAndUnknownBytesSaySo) {
  TestRandom random(5);
  const GradationData original = RandomGradationAnywhere(random);
  const std::string record = ExportGradation(original, GradientFormat::VelumbraRecord, "");
  const ImportResult imported = ImportGradients(record + "trailing bytes are ignored");
  ASSERT_TRUE(imported.ok()) << imported.error;
  EXPECT_EQ(imported.format, GradientFormat::VelumbraRecord);
  EXPECT_EQ(ExportGradation(imported.gradients[0].gradation, GradientFormat::VelumbraRecord, ""),
            record);

  constexpr char kUnknown[] = "not a Velumbra, 8BGR, GIMP, SVG or CSS gradient file";
  const struct {
    std::string bytes;
    ImportProblem problem;
    const char* error;  // how it starts
  } bad[] = {{"", ImportProblem::UnknownFormat, kUnknown},
             {"hello, world", ImportProblem::UnknownFormat, kUnknown},
             {"GIMP Gradient\nName: x\n1\n", ImportProblem::Invalid, "GIMP gradient: "},
             {std::string(kMaxInterchangeBytes + 1, ' '), ImportProblem::TooLarge,
              "the file is larger than 16 MiB"}};
  for (const auto& b : bad) {
    const ImportResult result = ImportGradients(b.bytes);
    EXPECT_EQ(result.problem, b.problem) << result.error;
    EXPECT_TRUE(result.gradients.empty());
    EXPECT_EQ(result.error.rfind(b.error, 0), 0u) << result.error;
  }
}

TEST(GradientFiles, FilesAreSavedWholeAndRecognisedByContent) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "velumbra-gradient-files-test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  GradationData gradation;
  SetDefaultGradation(gradation);
  // A CSS file saved as .grd is still read as CSS: content decides.
  const std::string misnamed = (folder / "css-inside.grd").string();
  ASSERT_TRUE(SaveGradientFile(misnamed.c_str(), gradation, GradientFormat::Css, ""));
  EXPECT_EQ(ImportGradientFile(misnamed.c_str()).format, GradientFormat::Css);
  EXPECT_EQ(ImportGradientFile((folder / "missing.svg").string().c_str()).problem,
            ImportProblem::Unreadable);
  EXPECT_FALSE(SaveGradientFile((folder / "no-folder" / "x.ggr").string().c_str(), gradation,
                                GradientFormat::Ggr, "x"));
  std::filesystem::remove_all(folder);

  const struct {
    const char* path;
    std::optional<GradientFormat> format;
  } paths[] = {{"a.GRD", GradientFormat::VelumbraRecord},
               {"dir.v2/a.ggr", GradientFormat::Ggr},
               {"a.svg", GradientFormat::Svg},
               {"a.txt", GradientFormat::Css},
               {"a.css", GradientFormat::Css},
               {"a.png", std::nullopt},
               {"dir.svg/readme", std::nullopt},
               {"noextension", std::nullopt}};
  for (const auto& p : paths) EXPECT_EQ(ExportFormatForPath(p.path), p.format) << p.path;
}

}  // namespace
