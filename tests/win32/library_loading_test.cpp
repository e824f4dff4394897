// The shipped library opened by a Lua runtime in the process, as a host's
// scripting layer opens it: the lazy binding must find that runtime, and the
// results must not depend on the x87 precision the host left set.
#include <float.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <lua.hpp>
#include <string>
#include <vector>

namespace {

class OpenedModule : public ::testing::Test {
 protected:
  void SetUp() override {
    library_ = LoadLibraryA(VELUMBRA_LIBRARY_PATH);
    ASSERT_NE(library_, nullptr);
    auto open = reinterpret_cast<lua_CFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(library_, "luaopen_Velumbra")));
    ASSERT_NE(open, nullptr);
    L_ = luaL_newstate();
    luaL_openlibs(L_);
    lua_pushcfunction(L_, open);
    ASSERT_EQ(lua_pcall(L_, 0, 1, 0), 0);
    ASSERT_EQ(lua_type(L_, -1), LUA_TTABLE);
    lua_settop(L_, 0);
  }
  void TearDown() override {
    if (L_ != nullptr) lua_close(L_);
  }

  std::string Run(const char* chunk) {
    if (luaL_dostring(L_, chunk) != 0) {
      std::string error = lua_tostring(L_, -1);
      lua_settop(L_, 0);
      return error;
    }
    lua_settop(L_, 0);
    return "";
  }

  // A global full userdata of `words` 32-bit words.
  uint32_t* NewBuffer(const char* name, size_t words) {
    auto* buffer = static_cast<uint32_t*>(lua_newuserdata(L_, words * 4));
    lua_setglobal(L_, name);
    return buffer;
  }

  std::vector<uint32_t> Results();

  HMODULE library_ = nullptr;
  lua_State* L_ = nullptr;
};

TEST_F(OpenedModule, BindsToTheRuntimeInTheProcess) {
  EXPECT_EQ(Run("assert(Velumbra.Gradation(0, 50) == 0)"), "");
  // luaL_error places the message after the calling line's position.
  EXPECT_EQ(Run("Velumbra.Gradation(51, 50)"),
            "[string \"Velumbra.Gradation(51, 50)\"]:1: Velumbra : Gradation ID is out of range");
  const std::string typeError = Run("Velumbra.SetGradationData(1, nil, {})");
  EXPECT_NE(typeError.find("bad argument #2"), std::string::npos) << typeError;
}

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

}  // namespace
