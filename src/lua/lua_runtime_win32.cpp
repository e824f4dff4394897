// Lazy binding to the Lua 5.1 runtime of the host process. The module's code
// calls the ordinary Lua API; the definitions below forward each call to the
// runtime found when a script first opens the module. The library itself
// imports no Lua DLL, so the filter face loads where no Lua exists.
//
// The list below is exactly what the library calls, and binding needs all of
// it, so it must not grow with functions only other programs call: a runtime
// that lacks one of those would then refuse the library too. A program that
// does more with Lua (velumbra-host.exe creates states and runs files) links
// this file for the functions it shares with the library, and binds its
// extras from a list of its own through the same machinery,
// lua_binding_win32.h (tools/host/lua_host_binding.cpp).
#include <windows.h>

#include <cstdarg>
#include <lua.hpp>

#include "lua/lua_binding_win32.h"
#include "lua/lua_runtime.h"

// Every API function the module calls: return type, name, parameters, arguments.
#define VELUMBRA_LUA_FUNCTIONS(X)                                                                  \
  X(int, lua_gettop, (lua_State * L), (L))                                                         \
  X(void, lua_settop, (lua_State * L, int idx), (L, idx))                                          \
  X(int, lua_type, (lua_State * L, int idx), (L, idx))                                             \
  X(size_t, lua_objlen, (lua_State * L, int idx), (L, idx))                                        \
  X(void, lua_gettable, (lua_State * L, int idx), (L, idx))                                        \
  X(void, lua_getfield, (lua_State * L, int idx, const char* k), (L, idx, k))                      \
  X(void, lua_settable, (lua_State * L, int idx), (L, idx))                                        \
  X(void, lua_setfield, (lua_State * L, int idx, const char* k), (L, idx, k))                      \
  X(void, lua_createtable, (lua_State * L, int narr, int nrec), (L, narr, nrec))                   \
  X(lua_Number, lua_tonumber, (lua_State * L, int idx), (L, idx))                                  \
  X(lua_Integer, lua_tointeger, (lua_State * L, int idx), (L, idx))                                \
  X(void*, lua_touserdata, (lua_State * L, int idx), (L, idx))                                     \
  X(void, lua_pushnumber, (lua_State * L, lua_Number n), (L, n))                                   \
  X(void, lua_pushinteger, (lua_State * L, lua_Integer n), (L, n))                                 \
  X(void, lua_pushboolean, (lua_State * L, int b), (L, b))                                         \
  X(lua_Integer, luaL_checkinteger, (lua_State * L, int narg), (L, narg))                          \
  X(lua_Number, luaL_checknumber, (lua_State * L, int narg), (L, narg))                            \
  X(int, luaL_typerror, (lua_State * L, int narg, const char* tname), (L, narg, tname))            \
  X(void, luaL_register, (lua_State * L, const char* libname, const luaL_Reg* l), (L, libname, l)) \
  X(void, luaL_where, (lua_State * L, int lvl), (L, lvl))                                          \
  X(void, lua_concat, (lua_State * L, int n), (L, n))                                              \
  X(int, lua_error, (lua_State * L), (L))                                                          \
  X(const char*, lua_pushvfstring, (lua_State * L, const char* fmt, va_list argp), (L, fmt, argp))

namespace {

struct LuaApi {
  VELUMBRA_LUA_FUNCTIONS(VELUMBRA_LUA_POINTER)
};

LuaApi g_api;
bool g_bound = false;

// All or nothing: a module that exports only part of the API is not Lua.
bool BindFrom(HMODULE module) {
  LuaApi api{};
  VELUMBRA_LUA_FUNCTIONS(VELUMBRA_LUA_RESOLVE)
  g_api = api;
  return true;
}

}  // namespace

bool BindLuaRuntime() { return g_bound || (g_bound = BindLuaFromProcess(BindFrom)); }

extern "C" {

VELUMBRA_LUA_FUNCTIONS(VELUMBRA_LUA_FORWARD)

// lauxlib's own definition, over the bound primitives: luaL_error is variadic
// and cannot be forwarded as a pointer call.
int luaL_error(lua_State* L, const char* fmt, ...) {
  va_list argp;
  va_start(argp, fmt);
  luaL_where(L, 1);
  lua_pushvfstring(L, fmt, argp);
  va_end(argp);
  lua_concat(L, 2);
  return lua_error(L);
}

}  // extern "C"
