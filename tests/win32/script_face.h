// Test support for the editor's Wine tests: the script face of the library a
// harness loaded, opened in a Lua state of this process (so tests read and set
// the very bank the editor shows), and the canvas a gradation must produce.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include <lua.hpp>

#include "editor/canvas_raster.h"
#include "filter_harness.h"

class ScriptFace {
 public:
  ScriptFace() = default;
  ScriptFace(const ScriptFace&) = delete;
  ScriptFace& operator=(const ScriptFace&) = delete;
  ~ScriptFace() {
    if (L_ != nullptr) lua_close(L_);
  }

  // Opens the module through the library's own luaopen_Velumbra.
  bool Open(HMODULE library) {
    auto open = reinterpret_cast<lua_CFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, "luaopen_Velumbra")));
    if (open == nullptr) return false;
    L_ = luaL_newstate();
    luaL_openlibs(L_);
    lua_pushcfunction(L_, open);
    return lua_pcall(L_, 0, 0, 0) == 0;
  }

  // Runs a chunk: its string result, "error: ..." on failure, else "".
  std::string Run(const std::string& chunk) {
    std::string result;
    if (luaL_dostring(L_, chunk.c_str()) != 0) {
      result = std::string("error: ") + lua_tostring(L_, -1);
    } else if (lua_gettop(L_) > 0 && lua_isstring(L_, -1)) {
      result = lua_tostring(L_, -1);
    }
    lua_settop(L_, 0);
    return result;
  }

  lua_State* state() const { return L_; }

 private:
  lua_State* L_ = nullptr;
};

// What the canvas must show for a gradation, drawn by the same raster code
// linked into the test, with the window's button face.
inline std::vector<uint32_t> ExpectedCanvas(const GradationData& gradation) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  CanvasRaster raster;
  RenderCanvas(
      gradation, FilterHarness::kClientWidth, FilterHarness::kClientWidth,
      static_cast<uint32_t>(GetRValue(face)) << 16 | GetGValue(face) << 8 | GetBValue(face),
      raster);
  return raster.pixels;
}
