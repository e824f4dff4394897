#include "lua_runner.h"

#include <lua.hpp>

#include "lua_host_binding.h"

namespace {

std::string TopMessage(lua_State* L) {
  const char* text = lua_tostring(L, -1);
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

bool OpenModuleAndRun(lua_State* L, lua_CFunction open, const std::string& scriptPath,
                      std::string& error) {
  lua_pushcfunction(L, open);
  if (lua_pcall(L, 0, 1, 0) != 0) {
    error = "opening the module failed: " + TopMessage(L);
    return false;
  }
  lua_settop(L, 0);
  lua_getglobal(L, "Velumbra");
  const bool registered = lua_istable(L, -1);
  lua_settop(L, 0);
  if (!registered) {
    error = "luaopen_Velumbra did not register the module Velumbra";
    return false;
  }
  if (luaL_loadfile(L, scriptPath.c_str()) != 0 || lua_pcall(L, 0, 0, 0) != 0) {
    error = TopMessage(L);
    return false;
  }
  return true;
}

}  // namespace

bool RunLuaScript(HMODULE plugin, const std::string& scriptPath, std::string& error) {
  // Through void(*)(), the one function pointer type every other converts from.
  auto open = reinterpret_cast<lua_CFunction>(
      reinterpret_cast<void (*)()>(GetProcAddress(plugin, "luaopen_Velumbra")));
  if (open == nullptr) {
    error = "the plug-in does not export luaopen_Velumbra";
    return false;
  }
  // The host links no Lua: the API below forwards to the runtime loaded here.
  HMODULE lua = LoadLuaRuntime();
  if (lua == nullptr) {
    error = "cannot load lua51.dll (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  if (!BindLuaHostRuntime(lua)) {
    error = "lua51.dll lacks part of the Lua 5.1 API";
    return false;
  }
  lua_State* L = luaL_newstate();
  if (L == nullptr) {
    error = "cannot create a Lua state";
    return false;
  }
  luaL_openlibs(L);
  const bool ok = OpenModuleAndRun(L, open, scriptPath, error);
  lua_close(L);
  return ok;
}
