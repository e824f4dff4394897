// The image functions allocate nothing per call: every allocation this
// program makes is counted (Lua's through its allocator, C++'s through the
// replaced operator new, C's through the sanitizer's malloc hook, as ASan owns
// malloc itself) while the functions run on a warmed-up lua_State.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <lua.hpp>
#include <new>
#include <string>

extern "C" int luaopen_Velumbra(lua_State* L);
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*mallocHook)(const volatile void*,
                                                                            size_t),
                                                         void (*freeHook)(const volatile void*));

namespace {

bool counting = false;
long luaAllocations = 0, newCalls = 0, mallocCalls = 0;

void* CountingLuaAlloc(void*, void* block, size_t oldSize, size_t newSize) {
  if (newSize == 0) {
    std::free(block);
    return nullptr;
  }
  if (counting && newSize > (block ? oldSize : 0)) ++luaAllocations;
  return std::realloc(block, newSize);
}

void CountMalloc(const volatile void*, size_t) {
  if (counting) ++mallocCalls;
}
void IgnoreFree(const volatile void*) {}

}  // namespace

void* operator new(size_t size) {
  if (counting) ++newCalls;
  if (void* block = std::malloc(size ? size : 1)) return block;
  throw std::bad_alloc();
}
void* operator new[](size_t size) { return operator new(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept {
  if (counting) ++newCalls;
  return std::malloc(size ? size : 1);
}
void* operator new[](size_t size, const std::nothrow_t& tag) noexcept {
  return operator new(size, tag);
}
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, size_t) noexcept { std::free(block); }
void operator delete[](void* block, size_t) noexcept { std::free(block); }

namespace {

class Allocations : public ::testing::Test {
 protected:
  void SetUp() override {
    __sanitizer_install_malloc_and_free_hooks(CountMalloc, IgnoreFree);
    L_ = lua_newstate(CountingLuaAlloc, nullptr);
    luaL_openlibs(L_);
    lua_pushcfunction(L_, luaopen_Velumbra);
    lua_call(L_, 0, 0);
    ASSERT_EQ(luaL_dostring(L_, R"(
      local colours, opacities = {}, {}
      for i = 0, 255 do
        colours[#colours + 1] = {value = i * 65793 % 16777216, point = i / 2.55}
        opacities[#opacities + 1] = {value = (i * 37) % 101, point = (i * 7) % 100}
      end
      Velumbra.SetGradationData(-3, colours, opacities)
      Velumbra.SetGradationData(2, {{value = 0x102040, point = 0}, {value = 0xF08020, point = 35},
        {value = 0xFFFFFF, point = 100}}, {{value = 100, point = 0}, {value = 40, point = 60}})
    )"),
              0)
        << lua_tostring(L_, -1);
    pixels_ = static_cast<uint32_t*>(lua_newuserdata(L_, kWidth * kHeight * 4));
    for (int i = 0; i < kWidth * kHeight; ++i) pixels_[i] = 0x9E3779B9u * static_cast<uint32_t>(i);
    bufferRef_ = luaL_ref(L_, LUA_REGISTRYINDEX);
  }
  void TearDown() override {
    counting = false;
    __sanitizer_install_malloc_and_free_hooks(nullptr, nullptr);
    lua_close(L_);
  }

  // Calls Velumbra[name](id, buffer, width, height, extra...) and returns
  // Lua's error message, or "".
  std::string Call(const char* name, int id, std::initializer_list<double> extra) {
    lua_getglobal(L_, "Velumbra");
    lua_getfield(L_, -1, name);
    lua_pushinteger(L_, id);
    lua_rawgeti(L_, LUA_REGISTRYINDEX, bufferRef_);
    lua_pushinteger(L_, kWidth);
    lua_pushinteger(L_, kHeight);
    for (double value : extra) lua_pushnumber(L_, value);
    const int status = lua_pcall(L_, 4 + static_cast<int>(extra.size()), 0, 0);
    std::string error = status != 0 ? lua_tostring(L_, -1) : "";
    lua_settop(L_, 0);
    return error;
  }

  // Above the size that splits a pass over threads: the helpers, made on the
  // first call, must not allocate on later ones either.
  static constexpr int kWidth = 1280, kHeight = 720;
  lua_State* L_ = nullptr;
  uint32_t* pixels_ = nullptr;
  int bufferRef_ = LUA_NOREF;
};

// Without this, zero counts could mean the counters are not connected.
TEST_F(Allocations, EveryCounterSeesAnAllocation) {
  counting = true;
  delete new int(1);
  std::free(std::malloc(16));
  lua_newtable(L_);
  counting = false;
  EXPECT_EQ(newCalls, 1);
  EXPECT_GE(mallocCalls, 2);  // operator new's and the direct one
  EXPECT_GE(luaAllocations, 1);
}

TEST_F(Allocations, ImageFunctionsMakeNone) {
  struct Case {
    const char* function;
    int id;
    std::initializer_list<double> extra;
  } cases[] = {
      {"ColorReMap_Luminance", 2, {}},
      {"ColorReMap_Luminance", 2, {4.0 / 3.0, 100, 2}},
      {"ColorReMap_Luminance", -3, {1.0}},
      {"ColorReMap_Luminance", -3, {2.5, -50, -1.5}},
      {"ColorReMap_Luminance", 7, {0.01}},  // untouched gradation, exact path
      {"SetGradationImage", 2, {}},
      {"SetGradationImage", -3, {1.0, 100, 0}},
      {"SetGradationImage", -3, {3.0, -20, 140}},
      {"SetGradationImage", 9, {}},
  };
  for (const Case& c : cases) {
    // The first call may grow Lua's stack or interned strings; later calls
    // must find everything in place.
    ASSERT_EQ(Call(c.function, c.id, c.extra), "") << c.function;
    luaAllocations = newCalls = mallocCalls = 0;
    counting = true;
    const std::string error = Call(c.function, c.id, c.extra);
    counting = false;
    EXPECT_EQ(error, "") << c.function;
    EXPECT_EQ(luaAllocations, 0) << c.function << " id " << c.id;
    EXPECT_EQ(newCalls, 0) << c.function << " id " << c.id;
    EXPECT_EQ(mallocCalls, 0) << c.function << " id " << c.id;
  }
}

}  // namespace
