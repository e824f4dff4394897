// The machinery of the lazy Lua binding on Windows, shared by every list of
// API functions that a program binds from the runtime in its process (see
// lua_runtime_win32.cpp for why there is more than one list).
//
// A list is an X-macro whose entries are X(return type, name, (parameters),
// (arguments)). The source file of a list writes, with the macros below:
//   struct Api { LIST(VELUMBRA_LUA_POINTER) };    the table of pointers
//   Api g_api;                                   the bound table
//   bool BindFrom(HMODULE module) {              all or nothing
//     Api api{};
//     LIST(VELUMBRA_LUA_RESOLVE)
//     g_api = api;
//     return true;
//   }
//   extern "C" { LIST(VELUMBRA_LUA_FORWARD) }    the API itself
// and binds with BindLuaFromProcess(BindFrom), or BindFrom(module) where the
// program loaded the runtime itself.
#pragma once

#include <windows.h>

#define VELUMBRA_LUA_POINTER(ret, name, params, args) ret(*name) params;
#define VELUMBRA_LUA_RESOLVE(ret, name, params, args)                      \
  api.name = reinterpret_cast<ret(*) params>(LookupExport(module, #name)); \
  if (api.name == nullptr) return false;
#define VELUMBRA_LUA_FORWARD(ret, name, params, args) \
  ret name params { return g_api.name args; }

// Through void(*)(), the one function pointer type every other converts from.
using ExportedFunction = void (*)();
ExportedFunction LookupExport(HMODULE module, const char* name);

// Offers `bindFrom` the Lua runtime of the process: lua51.dll or lua5.1.dll
// when loaded, else every loaded module in turn (a host that links Lua into
// its executable or under another DLL name). True once one is accepted.
bool BindLuaFromProcess(bool (*bindFrom)(HMODULE module));
