// SetGradationImage and ColorReMap_Luminance: a gradation painted into, or
// used to recolour, a script's 0xAARRGGBB pixel buffer in place.
#include <lua.hpp>

#include "image/image_passes.h"
#include "lua/script_arguments.h"
#include "lua/script_functions.h"
#include "model/evaluate.h"

namespace {

// The image functions name GetGradationData in their message for an unknown
// ID, although that function reports it in other words: the module has always
// worded it so, and scripts may match on the text.
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
  const GradationData& gradation = CheckGradation(L, kIdOutOfRange);
  // Evaluating has no effect a caller could see, so without rows it is skipped.
  if (args.width <= 0 || args.height <= 0) return 0;
  CheckPixelBufferHolds(L, 2, static_cast<uint64_t>(args.width) * args.height);
  PaintGradationImage(gradation, args.exponent, start, end, args.pixels, args.width, args.height);
  return 0;
}

int ColorReMap_Luminance(lua_State* L) {
  const ImageArguments args = CheckImageArguments(L);
  const float offset = args.hasRange ? static_cast<float>(CheckInt32(L, 6)) : 0.0f;
  const float scale = args.hasRange ? CheckFloat(L, 7) : 1.0f;
  const GradationData& gradation = CheckGradation(L, kIdOutOfRange);
  const int64_t count = static_cast<int64_t>(args.width) * args.height;
  if (count > 0) CheckPixelBufferHolds(L, 2, static_cast<uint64_t>(count));

  if (args.width > 0) {
    RecolorByLuminance(gradation, args.exponent, scale, offset, args.pixels, args.width,
                       args.height);
  } else {
    // Two negative sizes make a positive count, which is recoloured all the same.
    RecolorByLuminance(gradation, args.exponent, scale, offset, args.pixels,
                       count > 0 ? static_cast<size_t>(count) : 0);
  }
  return 0;
}
