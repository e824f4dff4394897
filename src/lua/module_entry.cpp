// The Lua 5.1 module "Velumbra". Exports luaopen_Velumbra, which registers:
//   GetGradationData(id)                      -> colour list, transparency list
//   SetGradationData(id, colours, opacities)  -> true
//   Gradation(id, point [, exponent])         -> red, green, blue, opacity 0..1
//   SetGradationImage(id, pixels, w, h [, exponent [, start, end]])
//   ColorReMap_Luminance(id, pixels, w, h [, exponent [, offset, scale]])
// IDs 1..50 are the editor's bank, 0..-9 the scripts' scratch gradations.
#include <lua.hpp>

#include "lua/lua_runtime.h"
#include "lua/script_functions.h"

namespace {

const luaL_Reg kFunctions[] = {
    {"GetGradationData", GetGradationData},
    {"SetGradationData", SetGradationData},
    {"Gradation", Gradation},
    {"SetGradationImage", SetGradationImage},
    {"ColorReMap_Luminance", ColorReMap_Luminance},
    {nullptr, nullptr},
};

}  // namespace

extern "C" VELUMBRA_EXPORT int luaopen_Velumbra(lua_State* L) {
  // Without a runtime to call into there is no way to report anything.
  if (!BindLuaRuntime()) return 0;
  luaL_register(L, "Velumbra", kFunctions);
  return 1;
}
