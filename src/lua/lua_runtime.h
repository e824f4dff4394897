// Where the Lua API comes from. Natively the module links against the
// interpreter's own symbols; on Windows the library must load in processes
// without Lua, so it binds to the runtime it finds in the process on first use.
#pragma once

// VELUMBRA_EXPORT, which marks the library's exports, comes from the build.

// True when every Lua API function the module calls is callable.
bool BindLuaRuntime();
