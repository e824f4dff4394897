// Entry of Velumbra.auf. Loading runs nothing; the library keeps nothing per
// thread, so it asks not to be told about threads. Its image functions' thread
// pool, made on first use, is let go on unload without waiting for anything;
// at process exit the system has already ended its threads.
#include <windows.h>

#include "image/band_helpers.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) ReleaseSharedBandPool();
  return TRUE;
}
