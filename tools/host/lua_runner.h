// Running a Lua script in the host's process with the plug-in's module open,
// as the host's scripting layer does: one process, one bank for both faces.
#pragma once

#include <windows.h>

#include <string>

// Loads lua51.dll (first beside the program), opens the module through the
// plug-in's luaopen_Velumbra and runs the script file. The runtime stays
// loaded afterwards: the plug-in has bound to it. False with `error` set
// when any step fails, including an error raised by the script.
bool RunLuaScript(HMODULE plugin, const std::string& scriptPath, std::string& error);
