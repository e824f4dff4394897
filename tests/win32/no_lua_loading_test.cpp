// The filter face runs in hosts without any Lua runtime: the library must load
// there without pulling one in, and the editor must work.
#include <windows.h>

#include <gtest/gtest.h>

#include "editor/canvas_layout.h"
#include "filter_harness.h"

namespace {

TEST(NoLuaProcess, LibraryLoadsWithoutALuaRuntime) {
  ASSERT_EQ(GetModuleHandleA("lua51.dll"), nullptr);
  HMODULE library = LoadLibraryA(VELUMBRA_LIBRARY_PATH);
  ASSERT_NE(library, nullptr) << "LoadLibrary failed: " << GetLastError();
  EXPECT_NE(GetProcAddress(library, "luaopen_Velumbra"), nullptr);
  EXPECT_NE(GetProcAddress(library, "GetFilterTable"), nullptr);
  EXPECT_EQ(GetModuleHandleA("lua51.dll"), nullptr);
  EXPECT_TRUE(FreeLibrary(library));
}

TEST(NoLuaProcess, EditorInitialisesAndPaints) {
  FilterHarness host;
  ASSERT_TRUE(host.Load(VELUMBRA_LIBRARY_PATH));
  ASSERT_EQ(host.CreateWindowAndInit(), 1);
  ASSERT_EQ(host.Update(1, 0), 1);
  host.Pump();
  const std::vector<uint32_t> canvas = host.CanvasPixels();
  // The default gradation: black at the bar's first interior column, white
  // at its last, and the frame's corner black.
  EXPECT_EQ(canvas[(100 - kCanvasTop) * FilterHarness::kClientWidth + 9], 0x000000u);
  EXPECT_EQ(canvas[(100 - kCanvasTop) * FilterHarness::kClientWidth + 408], 0xFFFFFFu);
  EXPECT_EQ(canvas[(kBarTop - kCanvasTop) * FilterHarness::kClientWidth + kBarLeft], 0x000000u);
  EXPECT_EQ(GetModuleHandleA("lua51.dll"), nullptr);
  host.Close();
}

}  // namespace
