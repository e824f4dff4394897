#include "lua_runner.h"

#include <cstddef>

namespace {

// Just enough of the Lua 5.1 C API, resolved by name: the host links no Lua
// and runs without one until a script is asked for.
struct lua_State;
using lua_CFunction = int (*)(lua_State*);

constexpr int kLuaGlobalsIndex = -10002;  // LUA_GLOBALSINDEX
constexpr int kLuaTypeTable = 5;          // LUA_TTABLE

struct LuaApi {
  lua_State* (*newstate)();
  void (*openlibs)(lua_State*);
  void (*close)(lua_State*);
  int (*loadfile)(lua_State*, const char*);
  int (*pcall)(lua_State*, int, int, int);
  void (*pushcclosure)(lua_State*, lua_CFunction, int);
  const char* (*tolstring)(lua_State*, int, size_t*);
  void (*settop)(lua_State*, int);
  void (*getfield)(lua_State*, int, const char*);
  int (*type)(lua_State*, int);
};

using AnyFunction = void (*)();

template <typename Function>
bool Resolve(HMODULE module, const char* name, Function& target, std::string& error) {
  target = reinterpret_cast<Function>(reinterpret_cast<AnyFunction>(GetProcAddress(module, name)));
  if (target == nullptr) error = "lua51.dll lacks " + std::string(name);
  return target != nullptr;
}

bool BindLua(HMODULE lua, LuaApi& api, std::string& error) {
  return Resolve(lua, "luaL_newstate", api.newstate, error) &&
         Resolve(lua, "luaL_openlibs", api.openlibs, error) &&
         Resolve(lua, "lua_close", api.close, error) &&
         Resolve(lua, "luaL_loadfile", api.loadfile, error) &&
         Resolve(lua, "lua_pcall", api.pcall, error) &&
         Resolve(lua, "lua_pushcclosure", api.pushcclosure, error) &&
         Resolve(lua, "lua_tolstring", api.tolstring, error) &&
         Resolve(lua, "lua_settop", api.settop, error) &&
         Resolve(lua, "lua_getfield", api.getfield, error) &&
         Resolve(lua, "lua_type", api.type, error);
}

std::string TopMessage(const LuaApi& api, lua_State* L) {
  const char* text = api.tolstring(L, -1, nullptr);
  return text != nullptr ? text : "(error object is not a string)";
}

HMODULE LoadLuaRuntime() {
  // Beside the program first, so the runtime the build ships wins over any other.
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length > 0 && length < MAX_PATH) {
    std::string besideProgram(path, length);
    const size_t slash = besideProgram.find_last_of("\\/");
    if (slash != std::string::npos) {
      besideProgram.resize(slash + 1);
      besideProgram += "lua51.dll";
      if (HMODULE lua = LoadLibraryA(besideProgram.c_str())) return lua;
    }
  }
  return LoadLibraryA("lua51.dll");
}

bool OpenModuleAndRun(const LuaApi& api, lua_State* L, lua_CFunction open,
                      const std::string& scriptPath, std::string& error) {
  api.pushcclosure(L, open, 0);
  if (api.pcall(L, 0, 1, 0) != 0) {
    error = "opening the module failed: " + TopMessage(api, L);
    return false;
  }
  api.settop(L, 0);
  api.getfield(L, kLuaGlobalsIndex, "Velumbra");
  const bool registered = api.type(L, -1) == kLuaTypeTable;
  api.settop(L, 0);
  if (!registered) {
    error = "luaopen_Velumbra did not register the module Velumbra";
    return false;
  }
  if (api.loadfile(L, scriptPath.c_str()) != 0 || api.pcall(L, 0, 0, 0) != 0) {
    error = TopMessage(api, L);
    return false;
  }
  return true;
}

}  // namespace

bool RunLuaScript(HMODULE plugin, const std::string& scriptPath, std::string& error) {
  auto open = reinterpret_cast<lua_CFunction>(
      reinterpret_cast<AnyFunction>(GetProcAddress(plugin, "luaopen_Velumbra")));
  if (open == nullptr) {
    error = "the plug-in does not export luaopen_Velumbra";
    return false;
  }
  HMODULE lua = LoadLuaRuntime();
  if (lua == nullptr) {
    error = "cannot load lua51.dll (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  LuaApi api{};
  if (!BindLua(lua, api, error)) return false;

  lua_State* L = api.newstate();
  if (L == nullptr) {
    error = "cannot create a Lua state";
    return false;
  }
  api.openlibs(L);
  const bool ok = OpenModuleAndRun(api, L, open, scriptPath, error);
  api.close(L);
  return ok;
}
