#include "host_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(HostOptions, ReadsEveryOption) {
  const ParsedHostOptions parsed =
      ParseHostOptions({"--id", "7", "--project-load", "in.dat", "--project-save", "out.dat",
                        "--script", "s.lua", "Z:/x/Velumbra.auf"});
  ASSERT_EQ(parsed.error, "");
  const HostOptions& o = parsed.options;
  ASSERT_TRUE(o.id.has_value());
  EXPECT_EQ(*o.id, 7);
  EXPECT_EQ(o.projectLoad, "in.dat");
  EXPECT_EQ(o.projectSave, "out.dat");
  EXPECT_EQ(o.script, "s.lua");
  EXPECT_EQ(o.pluginPath, "Z:/x/Velumbra.auf");
  EXPECT_FALSE(o.batch);  // interactive unless asked otherwise
  EXPECT_FALSE(o.help);
}

TEST(HostOptions, ScreenshotImpliesBatch) {
  const ParsedHostOptions parsed = ParseHostOptions({"--screenshot", "a.png"});
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.options.screenshot, "a.png");
  EXPECT_TRUE(parsed.options.batch);
  EXPECT_TRUE(ParseHostOptions({"--batch"}).options.batch);
  EXPECT_TRUE(ParseHostOptions({"--help"}).options.help);
  EXPECT_FALSE(ParseHostOptions({}).options.id.has_value());
}

TEST(HostOptions, ClicksInOrder) {
  const ParsedHostOptions parsed = ParseHostOptions({"--click", "209,84", "--click", "-3,128"});
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.options.clicks, (std::vector<std::pair<int, int>>{{209, 84}, {-3, 128}}));
  for (const char* bad : {"209", "209,", ",84", "a,b", "209;84", "40000,1", "1,-40000"}) {
    EXPECT_EQ(ParseHostOptions({"--click", bad}).error, "--click needs X,Y") << bad;
  }
  EXPECT_EQ(ParseHostOptions({"--click"}).error, "--click needs X,Y");
  const ParsedHostOptions menu =
      ParseHostOptions({"--context-menu", "188,84", "--screenshot", "m.png"});
  ASSERT_EQ(menu.error, "");
  EXPECT_EQ(menu.options.contextMenu, std::make_optional(std::make_pair(188, 84)));
}

TEST(HostOptions, NegativeIdIsAValueNotAnOption) {
  const ParsedHostOptions parsed = ParseHostOptions({"--id", "-3"});
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(*parsed.options.id, -3);
}

TEST(HostOptions, RejectsWhatItCannotUse) {
  struct Case {
    std::vector<std::string> arguments;
    const char* errorStart;
  } cases[] = {
      {{"--id"}, "--id needs an integer"},
      {{"--id", "seven"}, "--id needs an integer"},
      {{"--id", "7x"}, "--id needs an integer"},
      {{"--id", ""}, "--id needs an integer"},
      {{"--id", "99999999999999999999"}, "--id needs an integer"},
      {{"--script"}, "--script needs a file name"},
      {{"--screenshot", ""}, "--screenshot needs a file name"},
      {{"--project-load"}, "--project-load needs a file name"},
      {{"--project-save"}, "--project-save needs a file name"},
      {{"--frobnicate"}, "unknown option --frobnicate"},
      {{"-3"}, "unknown option -3"},
      {{"a.auf", "b.auf"}, "more than one plug-in path"},
      {{"--context-menu", "188,84"}, "--context-menu needs --screenshot FILE.png"},
      {{"--context-menu", "188", "--screenshot", "m.png"}, "--context-menu needs X,Y"},
      {{"--open-submenu", "--screenshot", "m.png"}, "--open-submenu needs --context-menu X,Y"},
  };
  for (const Case& c : cases) {
    const std::string error = ParseHostOptions(c.arguments).error;
    EXPECT_EQ(error.rfind(c.errorStart, 0), 0u)
        << "arguments starting " << c.arguments[0] << " gave: " << error;
  }
}

TEST(HostOptions, UsageNamesEveryOption) {
  const std::string usage = HostUsage();
  for (const char* option : {"--id", "--project-load", "--project-save", "--script", "--screenshot",
                             "--context-menu", "--open-submenu", "--batch", "--help"}) {
    EXPECT_NE(usage.find(option), std::string::npos) << option;
  }
}

}  // namespace
