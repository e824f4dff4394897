#include "lua/lua_binding_win32.h"

#include <initializer_list>

namespace {

typedef BOOL(WINAPI* EnumProcessModulesFn)(HANDLE, HMODULE*, DWORD, LPDWORD);

bool BindFromLoadedModules(bool (*bindFrom)(HMODULE module)) {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  auto enumModules = reinterpret_cast<EnumProcessModulesFn>(
      kernel == nullptr ? nullptr : LookupExport(kernel, "K32EnumProcessModules"));
  if (enumModules == nullptr) return false;
  HMODULE modules[1024];
  DWORD bytes = 0;
  if (!enumModules(GetCurrentProcess(), modules, sizeof modules, &bytes)) return false;
  const DWORD count = bytes / sizeof(HMODULE);
  for (DWORD i = 0; i < count && i < 1024; ++i) {
    if (bindFrom(modules[i])) return true;
  }
  return false;
}

}  // namespace

ExportedFunction LookupExport(HMODULE module, const char* name) {
  return reinterpret_cast<ExportedFunction>(GetProcAddress(module, name));
}

bool BindLuaFromProcess(bool (*bindFrom)(HMODULE module)) {
  for (const char* name : {"lua51.dll", "lua5.1.dll"}) {
    HMODULE module = GetModuleHandleA(name);
    if (module != nullptr && bindFrom(module)) return true;
  }
  return BindFromLoadedModules(bindFrom);
}
