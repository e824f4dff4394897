#include "lua_host_binding.h"

#include <lua.hpp>

#include "lua/lua_binding_win32.h"
#include "lua/lua_runtime.h"

// Return type, name, parameters, arguments; lua_settop, lua_getfield and
// lua_type come with the library's list.
#define VELUMBRA_LUA_HOST_FUNCTIONS(X)                                            \
  X(lua_State*, luaL_newstate, (), ())                                            \
  X(void, luaL_openlibs, (lua_State * L), (L))                                    \
  X(void, lua_close, (lua_State * L), (L))                                        \
  X(int, luaL_loadfile, (lua_State * L, const char* filename), (L, filename))     \
  X(int, lua_pcall, (lua_State * L, int nargs, int nresults, int errfunc),        \
    (L, nargs, nresults, errfunc))                                                \
  X(void, lua_pushcclosure, (lua_State * L, lua_CFunction fn, int n), (L, fn, n)) \
  X(const char*, lua_tolstring, (lua_State * L, int idx, size_t* len), (L, idx, len))

namespace {

struct LuaHostApi {
  VELUMBRA_LUA_HOST_FUNCTIONS(VELUMBRA_LUA_POINTER)
};

LuaHostApi g_api;

bool BindFrom(HMODULE module) {
  LuaHostApi api{};
  VELUMBRA_LUA_HOST_FUNCTIONS(VELUMBRA_LUA_RESOLVE)
  g_api = api;
  return true;
}

}  // namespace

bool BindLuaHostRuntime(HMODULE lua) { return BindFrom(lua) && BindLuaRuntime(); }

extern "C" {
VELUMBRA_LUA_HOST_FUNCTIONS(VELUMBRA_LUA_FORWARD)
}
