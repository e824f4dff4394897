// The Lua API the host calls beyond what the library calls: creating a state
// and running a file in it. The rest comes from the library's own list
// (src/lua/lua_runtime_win32.cpp), which the host links and binds too.
#pragma once

#include <windows.h>

// Binds the host's functions from `lua`, the runtime the host loaded, and the
// library's list from the runtime in the process, found by the same name
// first. True when every function of both lists is callable.
bool BindLuaHostRuntime(HMODULE lua);
