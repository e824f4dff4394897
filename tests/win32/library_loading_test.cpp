// The shipped library opened by a Lua runtime in the process: the lazy
// binding must find that runtime, and the library can be unloaded again.
#include "opened_module.h"

#include <tlhelp32.h>

#include <algorithm>

namespace {

TEST_F(OpenedModule, BindsToTheRuntimeInTheProcess) {
  EXPECT_EQ(Run("assert(Velumbra.Gradation(0, 50) == 0)"), "");
  // luaL_error places the message after the calling line's position.
  EXPECT_EQ(Run("Velumbra.Gradation(51, 50)"),
            "[string \"Velumbra.Gradation(51, 50)\"]:1: Velumbra : Gradation ID is out of range");
  const std::string typeError = Run("Velumbra.SetGradationData(1, nil, {})");
  EXPECT_NE(typeError.find("bad argument #2"), std::string::npos) << typeError;
}

int ProcessThreads() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  int count = 0;
  THREADENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
  }
  CloseHandle(snapshot);
  return count;
}

// The pool's threads leave as they please once the library lets them go.
int ProcessThreadsSettledAt(int expected) {
  int count = ProcessThreads();
  for (int i = 0; i < 100 && count != expected; ++i) {
    Sleep(50);
    count = ProcessThreads();
  }
  return count;
}

// Frames large enough for the helper threads, painted and recoloured through
// the script face, then the library unloaded: a hundred times over, nothing
// of it may stay behind, running or loaded.
TEST(LibraryUnloading, LeavesNoThreadBehind) {
  const int before = ProcessThreads();
  ASSERT_GT(before, 0);
  int most = before;
  for (int round = 0; round < 100; ++round) {
    HMODULE library = LoadLibraryA(VELUMBRA_LIBRARY_PATH);
    ASSERT_NE(library, nullptr);
    auto open = reinterpret_cast<lua_CFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, "luaopen_Velumbra")));
    ASSERT_NE(open, nullptr);
    lua_State* L = luaL_newstate();
    luaL_openlibs(L);
    lua_pushcfunction(L, open);
    ASSERT_EQ(lua_pcall(L, 0, 0, 0), 0);
    constexpr int kWidth = 1024, kHeight = 600;
    auto* pixels = static_cast<uint32_t*>(lua_newuserdata(L, kWidth * kHeight * 4));
    lua_setglobal(L, "frame");
    ASSERT_EQ(luaL_dostring(L,
                            "Velumbra.SetGradationImage(1, frame, 1024, 600)\n"
                            "Velumbra.ColorReMap_Luminance(1, frame, 1024, 600)"),
              0)
        << lua_tostring(L, -1);
    // Every row was painted alike, so the recoloured last row equals the first.
    ASSERT_EQ(pixels[kWidth * (kHeight - 1) + 700], pixels[700]);
    most = std::max(most, ProcessThreads());
    lua_close(L);
    ASSERT_TRUE(FreeLibrary(library));
    HMODULE still = nullptr;
    ASSERT_FALSE(GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(open), &still))
        << "round " << round << ": the library stayed loaded";
  }
  // Otherwise nothing showed that the helpers ever ran.
  EXPECT_GT(most, before);
  // Each unload lets its pool's threads go (at most 7 helpers): they do not
  // pile up round after round, idle until the system reclaims them.
  EXPECT_LE(most, before + 2 * 7);
  EXPECT_EQ(ProcessThreadsSettledAt(before), before);
}

}  // namespace
