// SetGradationImage and ColorReMap_Luminance: a gradation painted into, or
// used to recolour, a script's 0xAARRGGBB pixel buffer in place.
#include <cstring>
#include <lua.hpp>

#include "lua/image_sampling.h"
#include "lua/luminance_remap.h"
#include "lua/script_arguments.h"
#include "lua/script_functions.h"

namespace {

const char kIdOutOfRange[] = "Velumbra : GetGradationData over id";

}  // namespace

int SetGradationImage(lua_State* L) {
  luaL_checkinteger(L, 1);
  uint32_t* pixels = CheckPixelBuffer(L, 2);
  const int32_t width = CheckInt32(L, 3);
  const int32_t height = CheckInt32(L, 4);
  float exponent = kEditorCurveExponent;
  float start = 0.0f;
  float end = 100.0f;
  if (lua_gettop(L) >= 5) exponent = CheckFloat(L, 5);
  if (lua_gettop(L) >= 7) {
    start = CheckFloat(L, 6);
    end = CheckFloat(L, 7);
  }
  const GradationData& gradation = CheckGradation(L, kIdOutOfRange);
  // Evaluating has no effect a caller could see, so without rows it is skipped.
  if (width <= 0 || height <= 0) return 0;
  CheckPixelBufferHolds(L, 2, static_cast<uint64_t>(width) * height);

  const float step = static_cast<float>((static_cast<double>(end) - start) / width);
  FillGradationRow(gradation, exponent, step, start, pixels, width);
  // Every row equals the first; copying whole rows keeps memory order.
  const size_t rowBytes = static_cast<size_t>(width) * sizeof(uint32_t);
  for (int32_t y = 1; y < height; ++y) {
    std::memcpy(pixels + static_cast<size_t>(y) * static_cast<size_t>(width), pixels, rowBytes);
  }
  return 0;
}

int ColorReMap_Luminance(lua_State* L) {
  luaL_checkinteger(L, 1);
  uint32_t* pixels = CheckPixelBuffer(L, 2);
  const int32_t width = CheckInt32(L, 3);
  const int32_t height = CheckInt32(L, 4);
  float exponent = kEditorCurveExponent;
  float offset = 0.0f;
  float scale = 1.0f;
  if (lua_gettop(L) >= 5) exponent = CheckFloat(L, 5);
  if (lua_gettop(L) >= 7) {
    offset = static_cast<float>(CheckInt32(L, 6));
    scale = CheckFloat(L, 7);
  }
  const GradationData& gradation = CheckGradation(L, kIdOutOfRange);
  const int64_t count = static_cast<int64_t>(width) * height;
  if (count > 0) CheckPixelBufferHolds(L, 2, static_cast<uint64_t>(count));

  uint32_t table[kLuminanceLevels];
  BuildLuminanceTable(gradation, exponent, scale, offset, table);
  if (count > 0) RemapByLuminance(pixels, static_cast<size_t>(count), table, FastestSimdPath());
  return 0;
}
