// The presets built into the library are exactly the files in presets/.
#include "persist/builtin_presets.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "editor/preset_list.h"
#include "persist/gradation_bytes.h"

namespace {

namespace fs = std::filesystem;

TEST(BuiltinPresets, AreThePresetFilesByteForByteAndReadWhole) {
  std::set<std::string> files;
  for (const auto& entry : fs::directory_iterator(VELUMBRA_PRESETS_DIR)) {
    if (entry.path().extension() == ".grd") files.insert(entry.path().stem().string());
  }
  ASSERT_FALSE(files.empty());
  std::set<std::string> embedded;
  std::string previous;
  for (const BuiltinPreset& preset : BuiltinPresets()) {
    SCOPED_TRACE(preset.name);
    EXPECT_LT(previous, preset.name);  // sorted, no name twice
    previous = preset.name;
    embedded.insert(preset.name);
    std::ifstream in(fs::path(VELUMBRA_PRESETS_DIR) / (previous + ".grd"), std::ios::binary);
    const std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(preset.bytes), preset.size), file);
    GradationData gradation;
    EXPECT_EQ(ReadGradationBytes(gradation, preset.bytes, preset.size), preset.size);
    EXPECT_EQ(FindBuiltinPreset(preset.name), &preset);
  }
  EXPECT_EQ(embedded, files);
  EXPECT_EQ(FindBuiltinPreset("look-sepia-"), nullptr);

  // Every one of them reaches the menu.
  size_t listed = 0;
  for (const PresetItem& item : ListPresets(BuiltinPresetBytes(), {})) listed += !item.separator;
  EXPECT_EQ(listed, files.size());
}

}  // namespace
