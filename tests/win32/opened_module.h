// The shipped library opened by a Lua runtime in the process, as a host's
// scripting layer opens it.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <lua.hpp>
#include <string>
#include <vector>

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
    if (library_ != nullptr) FreeLibrary(library_);
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

  // Everything the module computes for fixed inputs, as words (x87 test).
  std::vector<uint32_t> Results();

  HMODULE library_ = nullptr;
  lua_State* L_ = nullptr;
};
