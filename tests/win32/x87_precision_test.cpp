// 32-bit only: the x87 unit and its precision control exist only there. The
// host process may leave any precision set; the results must not depend on it.
#include <float.h>

#include "opened_module.h"

// Everything the module computes for a fixed set of gradations, buffers and
// exponents, as words. Exponents and points are exact binary fractions so
// that Lua's own arithmetic cannot differ between precisions.
std::vector<uint32_t> OpenedModule::Results() {
  lua_State* L = L_;
  const int width = 97, height = 3;
  uint32_t* image = NewBuffer("image", width * height);
  uint32_t* remap = NewBuffer("remap", 4096);
  for (uint32_t i = 0; i < 4096; ++i) remap[i] = i * 0x0001F3A7u ^ 0x5A000000u;
  const char* chunk = R"(
    Velumbra.SetGradationData(-5,
      {{value = 0xFF0000, point = 0}, {value = 0x00FF00, point = 37.5},
       {value = 0x0000FF, point = 62.25}, {value = 0xFFFFFF, point = 100}},
      {{value = 20, point = 0}, {value = 100, point = 50}, {value = 0, point = 100}})
    local out = {}
    for _, p in ipairs({1, 1.5, 0.75, 2.25, 1.3125}) do
      for x = 0, 100, 0.5 do
        local r, g, b, o = Velumbra.Gradation(-5, x, p)
        out[#out + 1] = r * 65536 + g * 256 + b
        out[#out + 1] = o
      end
    end
    Velumbra.SetGradationImage(-5, image, 97, 3)
    Velumbra.ColorReMap_Luminance(-5, remap, 64, 64, 1.5, 17, 1.25)
    results = out
  )";
  std::vector<uint32_t> words;
  if (luaL_dostring(L, chunk) != 0) {
    ADD_FAILURE() << lua_tostring(L, -1);
    return words;
  }
  lua_getglobal(L, "results");
  const size_t count = lua_objlen(L, -1);
  for (size_t i = 1; i <= count; ++i) {
    lua_rawgeti(L, -1, static_cast<int>(i));
    // The raw bits: any arithmetic here would itself depend on the precision.
    const double value = lua_tonumber(L, -1);
    uint32_t halves[2];
    memcpy(halves, &value, sizeof halves);
    words.insert(words.end(), halves, halves + 2);
    lua_pop(L, 1);
  }
  lua_settop(L, 0);
  words.insert(words.end(), image, image + width * height);
  words.insert(words.end(), remap, remap + 4096);
  return words;
}

TEST_F(OpenedModule, ResultsDoNotDependOnX87Precision) {
  unsigned int saved = 0;
  ASSERT_EQ(_controlfp_s(&saved, 0, 0), 0);
  unsigned int ignored = 0;
  _controlfp_s(&ignored, _PC_53, _MCW_PC);
  const std::vector<uint32_t> at53 = Results();
  _controlfp_s(&ignored, _PC_64, _MCW_PC);
  const std::vector<uint32_t> at64 = Results();
  _controlfp_s(&ignored, saved, _MCW_PC);
  ASSERT_FALSE(at53.empty());
  EXPECT_EQ(at53, at64);
  // Opacity 20 at position 0: 20 x 2.55 truncates to 51 in double precision
  // (50 if the product were kept in 80 bits).
  const size_t firstImageWord = at53.size() - 4096 - 97 * 3;
  EXPECT_EQ(at53[firstImageWord] >> 24, 51u);
  EXPECT_EQ(at64[firstImageWord] >> 24, 51u);
}
