#include "lua/script_arguments.h"

#include <cstdint>
#include <lua.hpp>

#include "model/banks.h"

GradationData& CheckGradation(lua_State* L, const char* errorMessage) {
  const lua_Integer id = luaL_checkinteger(L, 1);
  GradationData* gradation = id >= -(kScratchSize - 1) && id <= kBankSize
                                 ? GradationById(static_cast<int32_t>(id))
                                 : nullptr;
  if (gradation == nullptr) luaL_error(L, "%s", errorMessage);
  return *gradation;
}

float CheckFloat(lua_State* L, int arg) { return static_cast<float>(luaL_checknumber(L, arg)); }

int32_t CheckInt32(lua_State* L, int arg) {
  return static_cast<int32_t>(luaL_checkinteger(L, arg));
}

uint32_t* CheckPixelBuffer(lua_State* L, int arg) {
  const int type = lua_type(L, arg);
  if (type != LUA_TUSERDATA && type != LUA_TLIGHTUSERDATA) luaL_typerror(L, arg, "userdata");
  return static_cast<uint32_t*>(lua_touserdata(L, arg));
}

void CheckPixelBufferHolds(lua_State* L, int arg, uint64_t words) {
  if (words > SIZE_MAX / sizeof(uint32_t)) luaL_error(L, "Velumbra : image is too large");
  uint64_t holds;
  if (lua_type(L, arg) == LUA_TUSERDATA) {
    holds = lua_objlen(L, arg) / 4;
  } else if (lua_touserdata(L, arg) == nullptr) {
    // A null light userdata points at no pixels; writing through it would
    // crash the host.
    holds = 0;
  } else {
    return;
  }
  if (holds < words) {
    luaL_error(L, "Velumbra : image buffer holds %d pixels, fewer than width x height",
               static_cast<int>(holds > INT32_MAX ? INT32_MAX : holds));
  }
}
