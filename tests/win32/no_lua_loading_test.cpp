// The filter face runs in hosts without any Lua runtime: the library must load
// and unload there without pulling one in.
#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(NoLuaProcess, LibraryLoadsWithoutALuaRuntime) {
  ASSERT_EQ(GetModuleHandleA("lua51.dll"), nullptr);
  HMODULE library = LoadLibraryA(VELUMBRA_LIBRARY_PATH);
  ASSERT_NE(library, nullptr) << "LoadLibrary failed: " << GetLastError();
  EXPECT_NE(GetProcAddress(library, "luaopen_Velumbra"), nullptr);
  EXPECT_EQ(GetModuleHandleA("lua51.dll"), nullptr);
  EXPECT_TRUE(FreeLibrary(library));
}

}  // namespace
