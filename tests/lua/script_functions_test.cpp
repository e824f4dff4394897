// The module's functions on a real lua_State from Debian's liblua5.1, for what
// a script cannot see: stack discipline, light userdata, the repaint hook, and
// the image functions against the formulas computed independently here.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <lua.hpp>
#include <string>
#include <utility>
#include <vector>

#include "model/banks.h"
#include "model/evaluate.h"

extern "C" int luaopen_Velumbra(lua_State* L);

namespace {

class ScriptFunctions : public ::testing::Test {
 protected:
  void SetUp() override {
    L_ = luaL_newstate();
    luaL_openlibs(L_);
    lua_pushcfunction(L_, luaopen_Velumbra);
    lua_call(L_, 0, 0);
  }
  void TearDown() override { lua_close(L_); }

  // Runs a chunk; returns its error message, or "" on success.
  std::string Run(const std::string& chunk) {
    const int top = lua_gettop(L_);
    std::string error;
    if (luaL_dostring(L_, chunk.c_str()) != 0) error = lua_tostring(L_, -1);
    lua_settop(L_, top);
    return error;
  }

  uint32_t* GlobalBuffer(const char* name, size_t words) {
    auto* buffer = static_cast<uint32_t*>(lua_newuserdata(L_, words * 4));
    lua_setglobal(L_, name);
    return buffer;
  }

  lua_State* L_ = nullptr;
};

TEST_F(ScriptFunctions, EachFunctionLeavesOnlyItsResults) {
  GlobalBuffer("buffer", 4);
  struct Case {
    const char* call;
    int results;
  } cases[] = {
      {"Velumbra.SetGradationData(-1, {{value = 1, point = 2}}, {{value = 50, point = 0}})", 1},
      {"Velumbra.GetGradationData(-1)", 2},
      {"Velumbra.Gradation(-1, 10)", 4},
      {"Velumbra.Gradation(-1, 10, 2)", 4},
      {"Velumbra.SetGradationImage(-1, buffer, 2, 2)", 0},
      {"Velumbra.ColorReMap_Luminance(-1, buffer, 2, 2, 1, 3, 2)", 0},
  };
  for (const Case& c : cases) {
    const std::string chunk = std::string("return select('#', ") + c.call + ")";
    ASSERT_EQ(luaL_dostring(L_, chunk.c_str()), 0) << lua_tostring(L_, -1);
    EXPECT_EQ(lua_tointeger(L_, -1), c.results) << c.call;
    lua_settop(L_, 0);
  }
}

TEST_F(ScriptFunctions, ErrorsAreRaisedInArgumentOrder) {
  GlobalBuffer("small", 3);
  struct Case {
    const char* chunk;
    const char* expected;
  } cases[] = {
      {"Velumbra.SetGradationImage(99, small, 'w', 1)", "bad argument #3"},
      {"Velumbra.SetGradationImage(99, nil, 1, 1)", "bad argument #2"},
      {"Velumbra.SetGradationImage(99, small, 2, 2)", "Velumbra : GetGradationData over id"},
      {"Velumbra.SetGradationImage(1, small, 2, 2, 1, 'a')", ""},  // six act like five
      {"Velumbra.ColorReMap_Luminance(1, small, 2, 2, 1, 'a', 1)", "bad argument #6"},
      {"Velumbra.ColorReMap_Luminance(1, small, 2, 2)", "Velumbra : image buffer holds 3"},
      {"Velumbra.Gradation(99, 'x')", "bad argument #2"},
  };
  for (const Case& c : cases) {
    const std::string error = Run(c.chunk);
    if (*c.expected == '\0') {
      // The six-argument call fails only on the small buffer.
      EXPECT_NE(error.find("Velumbra : image buffer"), std::string::npos) << c.chunk;
    } else {
      EXPECT_NE(error.find(c.expected), std::string::npos) << c.chunk << " -> " << error;
    }
  }
}

TEST_F(ScriptFunctions, LightUserdataIsTrustedAndWritten) {
  std::vector<uint32_t> pixels(6, 0x11111111u);
  lua_pushlightuserdata(L_, pixels.data());
  lua_setglobal(L_, "light");
  ASSERT_EQ(Run("Velumbra.SetGradationData(-6, {{value = 0xABCDEF, point = 0}}, {})\n"
                "Velumbra.SetGradationImage(-6, light, 3, 2)"),
            "");
  for (uint32_t word : pixels) EXPECT_EQ(word, 0xFEABCDEFu);
}

// A null light userdata holds no pixels: rejected as too small whenever
// there is a pixel to write, and harmless when there is none.
TEST_F(ScriptFunctions, NullLightUserdataHoldsNoPixels) {
  lua_pushlightuserdata(L_, nullptr);
  lua_setglobal(L_, "null");
  const std::string tooSmall = "Velumbra : image buffer holds 0 pixels, fewer than width x height";
  struct Case {
    const char* chunk;
    std::string expected;
  } cases[] = {
      {"Velumbra.SetGradationImage(1, null, 2, 2)", tooSmall},
      {"Velumbra.ColorReMap_Luminance(1, null, 3, 1)", tooSmall},
      {"Velumbra.ColorReMap_Luminance(1, null, -2, -3, 1, 0, 1)", tooSmall},
      {"Velumbra.SetGradationImage(1, null, 0, 5)", ""},
      {"Velumbra.SetGradationImage(1, null, 4, -1)", ""},
      {"Velumbra.ColorReMap_Luminance(1, null, 2, 0)", ""},
  };
  for (const Case& c : cases) {
    const std::string error = Run(c.chunk);
    if (c.expected.empty()) {
      EXPECT_EQ(error, "") << c.chunk;
    } else {
      EXPECT_NE(error.find(c.expected), std::string::npos) << c.chunk << " -> " << error;
    }
  }
}

// Stops with a NaN point come first, in table order, and a gradation holding
// them is written back unchanged (it was reordered before NaN had a place).
TEST_F(ScriptFunctions, NanPointsComeFirstAndWriteBackUnchanged) {
  struct Case {
    const char* points;  // entry i gets value i - 1 on both tracks
    std::vector<int> order;
  } cases[] = {
      {"nan, 3, nan, 1, 6, 3, 4, 6, 2, 4", {0, 2, 3, 8, 1, 5, 6, 9, 4, 7}},
      {"5, nan", {1, 0}},
      {"nan, -1/0, 1/0, nan, 0", {0, 3, 1, 4, 2}},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(Run(std::string("local nan, list = 0/0, {}\n"
                              "for i, point in ipairs({") +
                  c.points +
                  "}) do list[i] = {value = i - 1, point = point} end\n"
                  "Velumbra.SetGradationData(-2, list, list)"),
              "");
    const GradationData& g = ScratchBank[2];
    ASSERT_EQ(g.colorStops.size(), c.order.size());
    ASSERT_EQ(g.alphaStops.size(), c.order.size());
    for (size_t i = 0; i < c.order.size(); ++i) {
      EXPECT_EQ(g.colorStops[i].blue, c.order[i]) << c.points << " " << i;
      EXPECT_EQ(g.alphaStops[i].opacity, c.order[i]) << c.points << " " << i;
    }
    const GradationData before = g;
    ASSERT_EQ(Run("Velumbra.SetGradationData(-2, Velumbra.GetGradationData(-2))"), "");
    for (size_t i = 0; i < c.order.size(); ++i) {
      EXPECT_EQ(std::memcmp(&g.colorStops[i].position, &before.colorStops[i].position, 4), 0);
      EXPECT_EQ(g.colorStops[i].blue, before.colorStops[i].blue) << c.points << " " << i;
      EXPECT_EQ(g.alphaStops[i].opacity, before.alphaStops[i].opacity) << c.points << " " << i;
    }
  }
}

// Each replaced bank entry is told once, with its reason; scratch entries
// and rejected calls are not told at all.
TEST_F(ScriptFunctions, BankReplacementsReachTheListenerOnce) {
  static std::vector<std::string> told;
  told.clear();
  SetBankChangeListener([](const BankChange& change) {
    const char* reason = change.reason == BankChangeReason::Script  ? "script"
                         : change.reason == BankChangeReason::Reset ? "reset"
                                                                    : "other";
    told.push_back(std::to_string(change.firstId) + "+" + std::to_string(change.count) + " " +
                   reason);
  });
  Run("Velumbra.SetGradationData(3, {}, {})");
  Run("Velumbra.SetGradationData(0, {}, {})");
  Run("Velumbra.SetGradationData(-3, {}, {})");
  Run("Velumbra.SetGradationData(50, {}, {})");
  Run("Velumbra.SetGradationData(51, {}, {})");
  Run("Velumbra.SetGradationData(50, 7, {})");  // rejected before anything is replaced
  ResetBankToDefaults();
  SetBankChangeListener(nullptr);
  EXPECT_EQ(told, (std::vector<std::string>{"3+1 script", "50+1 script", "1+50 reset"}));
}

// The pixel word for a position, from the published rules.
uint32_t ExpectedWord(const GradationData& g, float position, float exponent) {
  const uint32_t color = EvaluateColor(g, position, exponent);
  const double alpha =
      std::trunc(static_cast<double>(EvaluateOpacity(g, position, exponent)) * 2.55);
  return (static_cast<uint32_t>(alpha) & 0xFF) << 24 | (color & 0xFFFFFF);
}

class ImageFunctions : public ScriptFunctions {
 protected:
  void SetUp() override {
    ScriptFunctions::SetUp();
    ASSERT_EQ(
        Run("Velumbra.SetGradationData(-7,"
            "{{value = 0xFF8000, point = 5}, {value = 0x0080FF, point = 40},"
            " {value = 0x20E020, point = 40}, {value = 0xFFFFFF, point = 95}},"
            "{{value = 90, point = 10}, {value = 15, point = 60}, {value = 100, point = 80}})"),
        "");
  }
  const GradationData& gradation() const { return ScratchBank[7]; }
};

TEST_F(ImageFunctions, SetGradationImageSamplesOncePerColumn) {
  struct Case {
    int width, height;
    const char* extra;
    float exponent, start, end;
  } cases[] = {
      {333, 4, "", 4.0f / 3.0f, 0.0f, 100.0f},
      {17, 1, ", 2.5", 2.5f, 0.0f, 100.0f},
      {64, 3, ", 1, 120, -20", 1.0f, 120.0f, -20.0f},
      {1, 5, ", 0.5, 33.3, 66.6", 0.5f, 33.3f, 66.6f},
  };
  for (const Case& c : cases) {
    uint32_t* pixels = GlobalBuffer("image", static_cast<size_t>(c.width) * c.height);
    ASSERT_EQ(Run("Velumbra.SetGradationImage(-7, image, " + std::to_string(c.width) + ", " +
                  std::to_string(c.height) + c.extra + ")"),
              "");
    const float step = static_cast<float>((static_cast<double>(c.end) - c.start) / c.width);
    for (int x = 0; x < c.width; ++x) {
      const float position = static_cast<float>(x * static_cast<double>(step) + c.start);
      const uint32_t expected = ExpectedWord(gradation(), position, c.exponent);
      for (int y = 0; y < c.height; ++y) {
        ASSERT_EQ(pixels[y * c.width + x], expected) << c.width << " x=" << x << " y=" << y;
      }
    }
  }
}

TEST_F(ImageFunctions, RemapMatchesTheLuminanceTable) {
  struct Case {
    const char* extra;
    float exponent;
    int offset;
    float scale;
  } cases[] = {{"", 4.0f / 3.0f, 0, 1.0f},
               {", 1", 1.0f, 0, 1.0f},
               {", 1.5, -300, 2.75", 1.5f, -300, 2.75f},
               {", 0.8, 4000, -1", 0.8f, 4000, -1.0f}};
  const int count = 1 << 16;
  for (const Case& c : cases) {
    uint32_t* pixels = GlobalBuffer("pixels", count);
    std::vector<uint32_t> original(count);
    uint32_t state = 12345;
    for (int i = 0; i < count; ++i) {
      state = state * 1664525u + 1013904223u;
      pixels[i] = original[i] = state;
    }
    ASSERT_EQ(
        Run(std::string("Velumbra.ColorReMap_Luminance(-7, pixels, 256, 256") + c.extra + ")"), "");
    for (int i = 0; i < count; ++i) {
      const uint32_t r = original[i] >> 16 & 0xFF, g = original[i] >> 8 & 0xFF,
                     b = original[i] & 0xFF;
      const int index = static_cast<int>(((r * 4918 + 354) >> 10) + ((g * 9655 + 585) >> 10) +
                                         ((b * 1875 + 523) >> 10));
      ASSERT_LE(index, 4096);
      const float x =
          static_cast<float>(index * static_cast<double>(c.scale) + static_cast<float>(c.offset));
      const float m = static_cast<float>(std::fmod(static_cast<double>(x), 4097.0));
      const float position = static_cast<float>(m / static_cast<double>(40.96f));
      ASSERT_EQ(pixels[i], ExpectedWord(gradation(), position, c.exponent)) << c.extra << " " << i;
    }
  }
}

}  // namespace
