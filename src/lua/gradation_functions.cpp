// Gradation, GetGradationData and SetGradationData: a gradation at one point,
// and a gradation copied out to and in from Lua tables.
#include <lua.hpp>

#include "lua/script_arguments.h"
#include "lua/script_functions.h"
#include "model/banks.h"
#include "model/evaluate.h"

namespace {

const char kIdOutOfRange[] = "Velumbra : Gradation ID is out of range";

void SetStopEntry(lua_State* L, lua_Integer key, void (*pushValue)(lua_State*, const void*),
                  const void* stop, float position) {
  lua_pushinteger(L, key);
  lua_createtable(L, 0, 2);
  pushValue(L, stop);
  lua_setfield(L, -2, "value");
  lua_pushnumber(L, position);
  lua_setfield(L, -2, "point");
  lua_settable(L, -3);
}

void PushColorValue(lua_State* L, const void* stop) {
  lua_pushinteger(L,
                  static_cast<lua_Integer>(PackedFromStop(*static_cast<const ColorStop*>(stop))));
}

void PushOpacityValue(lua_State* L, const void* stop) {
  lua_pushnumber(L, static_cast<const AlphaStop*>(stop)->opacity);
}

// Pushes entry `index` of the list at `listArg` and reads its two fields; the
// caller pops the three values. Lua raises its own error for a non-table entry.
void FetchStopEntry(lua_State* L, int listArg, lua_Integer index) {
  lua_pushinteger(L, index);
  lua_gettable(L, listArg);
  lua_getfield(L, -1, "value");
  lua_getfield(L, -2, "point");
}

}  // namespace

int Gradation(lua_State* L) {
  // Arguments are read before the ID is resolved, so type errors come first.
  luaL_checkinteger(L, 1);
  const float point = CheckFloat(L, 2);
  // Linear by default, unlike the image functions' 4/3: scripts that sample
  // one point have always had the plain curve.
  const float exponent = lua_gettop(L) >= 3 ? CheckFloat(L, 3) : 1.0f;
  const GradationData& gradation = CheckGradation(L, kIdOutOfRange);
  if (!(point >= 0.0f && point <= 100.0f)) {
    luaL_error(L, "Velumbra : Gradation point is out of range");
  }
  const uint32_t color = EvaluateColor(gradation, point, exponent);
  const float opacity = EvaluateOpacity(gradation, point, exponent);
  lua_pushinteger(L, (color >> 16) & 0xFF);
  lua_pushinteger(L, (color >> 8) & 0xFF);
  lua_pushinteger(L, color & 0xFF);
  lua_pushnumber(L, static_cast<double>(opacity) / 100.0);
  return 4;
}

int GetGradationData(lua_State* L) {
  const GradationData& gradation = CheckGradation(L, kIdOutOfRange);
  lua_createtable(L, static_cast<int>(gradation.colorStops.size()), 0);
  lua_Integer key = 1;
  for (const ColorStop& stop : gradation.colorStops) {
    SetStopEntry(L, key++, PushColorValue, &stop, stop.position);
  }
  lua_createtable(L, static_cast<int>(gradation.alphaStops.size()), 0);
  key = 1;
  for (const AlphaStop& stop : gradation.alphaStops) {
    SetStopEntry(L, key++, PushOpacityValue, &stop, stop.position);
  }
  return 2;
}

int SetGradationData(lua_State* L) {
  GradationData& gradation = CheckGradation(L, kIdOutOfRange);
  if (lua_type(L, 2) != LUA_TTABLE) luaL_typerror(L, 2, "table");
  if (lua_type(L, 3) != LUA_TTABLE) luaL_typerror(L, 3, "table");

  ClearGradation(gradation);
  const lua_Integer colorCount = static_cast<lua_Integer>(lua_objlen(L, 2));
  for (lua_Integer i = 1; i <= colorCount; ++i) {
    FetchStopEntry(L, 2, i);
    const uint32_t packed = static_cast<uint32_t>(lua_tointeger(L, -2));
    const float position = static_cast<float>(lua_tonumber(L, -1));
    lua_settop(L, -4);
    AddColorStop(gradation, position, RgbFromPacked(packed));
  }
  const lua_Integer alphaCount = static_cast<lua_Integer>(lua_objlen(L, 3));
  for (lua_Integer i = 1; i <= alphaCount; ++i) {
    FetchStopEntry(L, 3, i);
    const float opacity = static_cast<float>(lua_tonumber(L, -2));
    const float position = static_cast<float>(lua_tonumber(L, -1));
    lua_settop(L, -4);
    AddAlphaStop(gradation, position, opacity);
  }

  const lua_Integer id = lua_tointeger(L, 1);
  if (id >= 1 && id <= kBankSize) {
    NotifyBankReplaced({static_cast<int32_t>(id), 1, BankChangeReason::Script});
  }
  lua_pushboolean(L, 1);
  return 1;
}
