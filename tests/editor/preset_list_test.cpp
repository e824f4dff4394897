#include "editor/preset_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/banks.h"
#include "persist/gradation_bytes.h"

namespace {

// A record whose one colour stop tells the presets apart: red = tag.
std::string Record(uint8_t tag) {
  GradationData g;
  SetDefaultGradation(g);
  g.colorStops[0].red = tag;
  std::string bytes(WriteGradationBytes(g, nullptr), '\0');
  WriteGradationBytes(g, reinterpret_cast<uint8_t*>(bytes.data()));
  return bytes;
}

// The list as "name/tag" and "--" for a separator.
std::vector<std::string> Lines(const std::vector<PresetItem>& items) {
  std::vector<std::string> lines;
  for (const PresetItem& item : items) {
    lines.push_back(
        item.separator ? "--" : item.name + "/" + std::to_string(item.gradation.colorStops[0].red));
  }
  return lines;
}

TEST(PresetList, SortsGroupsAndLetsTheUsersFilesReplaceBuiltIns) {
  const std::string cut = Record(9).substr(0, 20);  // the counts promise more
  struct Case {
    const char* what;
    std::vector<PresetBytes> builtin, user;
    std::vector<std::string> lines;
  } cases[] = {
      {"byte order: '-' sorts before letters, capitals before small",
       {{"look-sepia-light", Record(1)}, {"look-sepia", Record(2)}, {"look-Z", Record(3)}},
       {},
       {"look-Z/3", "look-sepia/2", "look-sepia-light/1"}},
      {"a separator between prefixes; a name without '-' is its own prefix",
       {{"b-x", Record(1)}, {"a", Record(2)}, {"a-y", Record(3)}, {"ab-z", Record(4)}},
       {},
       {"a/2", "a-y/3", "--", "ab-z/4", "--", "b-x/1"}},
      {"the user's files after a separator, sorted and grouped the same way",
       {{"a-1", Record(1)}},
       {{"mine-b", Record(2)}, {"mine-a", Record(3)}, {"other", Record(4)}},
       {"a-1/1", "--", "mine-a/3", "mine-b/2", "--", "other/4"}},
      {"a user's file of a built-in name (case aside) replaces it in place",
       {{"a-1", Record(1)}, {"a-2", Record(2)}},
       {{"A-2", Record(7)}},
       {"a-1/1", "a-2/7"}},
      {"unreadable bytes are left out, built-in or the user's",
       {{"a-1", cut}, {"a-2", Record(2)}},
       {{"a-2", std::string("\x01\x00\x00", 3)}, {"b", ""}, {"c", cut}, {"d", Record(4)}},
       {"a-2/2", "--", "d/4"}},
      {"nothing but the user's files: no leading separator", {}, {{"x", Record(5)}}, {"x/5"}},
      {"bytes after the record are ignored, as loading a file ignores them",
       {{"a", Record(1) + "tail"}},
       {},
       {"a/1"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Lines(ListPresets(c.builtin, c.user)), c.lines) << c.what;
  }
}

TEST(PresetList, OnlyGrdFilesNamePresets) {
  const std::pair<const char*, const char*> cases[] = {
      {"mine.grd", "mine"}, {"Mine.GRD", "Mine"}, {"a.b.grd", "a.b"},
      {".grd", ""},         {"mine.ggr", ""},     {"mine.grd.txt", ""},
  };
  for (const auto& [file, name] : cases) EXPECT_EQ(PresetNameOfFile(file), name) << file;
}

}  // namespace
