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

// Arguments 1 to 5, which both functions share; 6 and 7 (read only when both
// are given) differ.
struct ImageArguments {
  uint32_t* pixels;
  int32_t width;
  int32_t height;
  float exponent;
  bool hasRange;  // arguments 6 and 7 present
};

ImageArguments CheckImageArguments(lua_State* L) {
  luaL_checkinteger(L, 1);
  ImageArguments args;
  args.pixels = CheckPixelBuffer(L, 2);
  args.width = CheckInt32(L, 3);
  args.height = CheckInt32(L, 4);
  args.exponent = lua_gettop(L) >= 5 ? CheckFloat(L, 5) : kEditorCurveExponent;
  args.hasRange = lua_gettop(L) >= 7;
  return args;
}

}  // namespace

int SetGradationImage(lua_State* L) {
  const ImageArguments args = CheckImageArguments(L);
  const float start = args.hasRange ? CheckFloat(L, 6) : 0.0f;
  const float end = args.hasRange ? CheckFloat(L, 7) : 100.0f;
  const int32_t width = args.width;
  const int32_t height = args.height;
  uint32_t* pixels = args.pixels;
  const GradationData& gradation = CheckGradation(L, kIdOutOfRange);
  // Evaluating has no effect a caller could see, so without rows it is skipped.
  if (width <= 0 || height <= 0) return 0;
  CheckPixelBufferHolds(L, 2, static_cast<uint64_t>(width) * height);

  const float step = static_cast<float>((static_cast<double>(end) - start) / width);
  FillGradationRow(gradation, args.exponent, step, start, pixels, width);
  // Every row equals the first; copying whole rows keeps memory order.
  const size_t rowBytes = static_cast<size_t>(width) * sizeof(uint32_t);
  for (int32_t y = 1; y < height; ++y) {
    std::memcpy(pixels + static_cast<size_t>(y) * static_cast<size_t>(width), pixels, rowBytes);
  }
  return 0;
}

int ColorReMap_Luminance(lua_State* L) {
  const ImageArguments args = CheckImageArguments(L);
  const float offset = args.hasRange ? static_cast<float>(CheckInt32(L, 6)) : 0.0f;
  const float scale = args.hasRange ? CheckFloat(L, 7) : 1.0f;
  const GradationData& gradation = CheckGradation(L, kIdOutOfRange);
  const int64_t count = static_cast<int64_t>(args.width) * args.height;
  if (count > 0) CheckPixelBufferHolds(L, 2, static_cast<uint64_t>(count));

  uint32_t table[kLuminanceLevels];
  BuildLuminanceTable(gradation, args.exponent, scale, offset, table);
  if (count > 0) {
    RemapByLuminance(args.pixels, static_cast<size_t>(count), table, FastestSimdPath());
  }
  return 0;
}
