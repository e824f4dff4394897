// Every committed preset loads as a gradation record and follows the source
// it was fitted from (the generator's SVG, left by the presets_generated
// test) within the import tolerance.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "interchange/fit_tolerance.h"
#include "interchange/svg_format.h"
#include "persist/gradation_file.h"

namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

size_t CountFiles(const fs::path& folder, const char* extension) {
  size_t count = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() == extension) ++count;
  }
  return count;
}

TEST(Presets, EachLoadsAndFollowsItsSource) {
  const fs::path sources = VELUMBRA_PRESET_SOURCES;
  if (!fs::is_directory(sources)) GTEST_SKIP() << "no generated sources in " << sources;
  size_t checked = 0;
  for (const auto& entry : fs::directory_iterator(VELUMBRA_PRESETS_DIR)) {
    if (entry.path().extension() != ".grd") continue;
    const std::string name = entry.path().stem().string();
    SCOPED_TRACE(name);
    GradationData preset;
    ASSERT_TRUE(LoadGradationFile(entry.path().c_str(), preset));
    const ReadResult source = ReadSvgGradients(ReadText(sources / (name + ".svg")));
    ASSERT_EQ(source.gradients.size(), 1u) << source.error;
    EXPECT_EQ(FindFitMismatch(preset, source.gradients[0]), "");
    ++checked;
  }
  EXPECT_EQ(checked, CountFiles(sources, ".svg"));
  EXPECT_GT(checked, 0u);
}

}  // namespace
