/* Test-only Lua module "pixelbuffer": full userdata pixel buffers for scripts,
 * standing in for the buffers a host hands its scripts.
 *   new(words)          -> userdata of words 32-bit words, all zero
 *   get(buf, i)         -> word i (0-based)
 *   set(buf, i, word)
 *   fill(buf, word)
 *   light(buf)          -> a light userdata pointing at the same words       */
#include <stdint.h>
#include <string.h>

#include "lauxlib.h"
#include "lua.h"

#if defined(_WIN32)
#define MODULE_EXPORT __declspec(dllexport)
#else
#define MODULE_EXPORT __attribute__((visibility("default")))
#endif

static uint32_t* checkbuffer(lua_State* L, size_t* words) {
  luaL_checktype(L, 1, LUA_TUSERDATA);
  *words = lua_objlen(L, 1) / 4;
  return (uint32_t*)lua_touserdata(L, 1);
}

static size_t checkindex(lua_State* L, size_t words) {
  lua_Integer i = luaL_checkinteger(L, 2);
  luaL_argcheck(L, i >= 0 && (size_t)i < words, 2, "index out of range");
  return (size_t)i;
}

static int pb_new(lua_State* L) {
  lua_Integer words = luaL_checkinteger(L, 1);
  luaL_argcheck(L, words >= 0, 1, "negative size");
  memset(lua_newuserdata(L, (size_t)words * 4), 0, (size_t)words * 4);
  return 1;
}

static int pb_get(lua_State* L) {
  size_t words;
  uint32_t* p = checkbuffer(L, &words);
  lua_pushnumber(L, (lua_Number)p[checkindex(L, words)]);
  return 1;
}

static int pb_set(lua_State* L) {
  size_t words;
  uint32_t* p = checkbuffer(L, &words);
  size_t i = checkindex(L, words);
  p[i] = (uint32_t)(int64_t)luaL_checknumber(L, 3);
  return 0;
}

static int pb_fill(lua_State* L) {
  size_t words, i;
  uint32_t* p = checkbuffer(L, &words);
  uint32_t v = (uint32_t)(int64_t)luaL_checknumber(L, 2);
  for (i = 0; i < words; ++i) p[i] = v;
  return 0;
}

static int pb_light(lua_State* L) {
  size_t words;
  lua_pushlightuserdata(L, checkbuffer(L, &words));
  return 1;
}

static const luaL_Reg functions[] = {{"new", pb_new},   {"get", pb_get},     {"set", pb_set},
                                     {"fill", pb_fill}, {"light", pb_light}, {NULL, NULL}};

MODULE_EXPORT int luaopen_pixelbuffer(lua_State* L) {
  luaL_register(L, "pixelbuffer", functions);
  return 1;
}
