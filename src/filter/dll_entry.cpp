// Process-attach entry of Velumbra.auf. The library starts no threads and keeps
// nothing per thread, so it asks not to be told about them.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
  return TRUE;
}
