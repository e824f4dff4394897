#include "lua/lua_runtime.h"

// The dynamic linker has bound the API already.
bool BindLuaRuntime() { return true; }
