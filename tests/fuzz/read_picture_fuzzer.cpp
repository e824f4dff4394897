// Any bytes through the picture decoder: a failure says why and holds no
// pixels; a picture holds the size its header gives, within the limits, and
// one of the table's picture rows takes its bytes. A small one goes on
// through the luminance-mode extraction: an opaque map of stops in order
// within 0..100, no more colour stops than the cap, reported as counted, and
// within the allowed excess of the bar when the cap leaves the fitter free.
#include <stb/stb_image.h>

#include <cmath>
#include <string_view>
#include <vector>

#include "fuzz_checks.h"
#include "interchange/picture_file.h"
#include "interchange/tone_map.h"

namespace {

constexpr size_t kMaxExtractedPixels = 4096;

template <typename Stop>
void CheckOrdered(const std::vector<Stop>& stops) {
  FUZZ_CHECK(stops.size() >= 2);
  for (size_t i = 0; i < stops.size(); ++i) {
    FUZZ_CHECK(stops[i].position >= 0.0f && stops[i].position <= 100.0f);
    FUZZ_CHECK(i == 0 || stops[i - 1].position <= stops[i].position);
  }
}

void CheckExtraction(const Picture& picture, int cap) {
  const ToneMapResult map = ExtractToneMap(picture.pixels.data(), picture.pixels.size(), cap);
  bool counted = false;
  for (uint32_t pixel : picture.pixels) counted = counted || (pixel >> 24) != 0;
  FUZZ_CHECK(map.ok() == counted);
  if (!map.ok()) return;
  const GradationData& gradation = map.gradation;
  CheckOrdered(gradation.colorStops);
  CheckOrdered(gradation.alphaStops);
  FUZZ_CHECK(gradation.alphaStops.size() == 2);
  for (const AlphaStop& stop : gradation.alphaStops) FUZZ_CHECK(stop.opacity == 100.0f);
  FUZZ_CHECK(gradation.colorStops.size() == map.report.colorStops);
  FUZZ_CHECK(map.report.colorStops <= static_cast<size_t>(cap));
  const ToneMapReport& report = map.report;
  FUZZ_CHECK(std::isfinite(report.rms) && report.rms >= 0.0 && report.barRms >= 0.0);
  FUZZ_CHECK(report.excess == report.rms - report.barRms);
  if (cap == kToneMapMaxStops) FUZZ_CHECK(report.excess <= kToneMapAllowedExcess);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const PictureResult result = DecodePicture(bytes);
  if (!result.ok()) {
    FUZZ_CHECK(result.picture.pixels.empty());
    return 0;
  }
  const Picture& picture = result.picture;
  int width = 0;
  int height = 0;
  int channels = 0;
  FUZZ_CHECK(stbi_info_from_memory(data, static_cast<int>(size), &width, &height, &channels) != 0);
  FUZZ_CHECK(picture.width == width && picture.height == height);
  FUZZ_CHECK(width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide);
  FUZZ_CHECK(int64_t{width} * height <= kMaxPicturePixels);
  FUZZ_CHECK(picture.pixels.size() == static_cast<size_t>(width) * static_cast<size_t>(height));
  FUZZ_CHECK(IsPngPicture(bytes) || IsJpegPicture(bytes) || IsBmpPicture(bytes) ||
             IsGifPicture(bytes) || IsTgaPicture(bytes));
  if (picture.pixels.size() <= kMaxExtractedPixels) {
    // The cap from the input too, so that capped fits are met as well.
    const int span = kToneMapMaxStops - kToneMapMinStops + 1;
    CheckExtraction(picture, kToneMapMinStops + static_cast<int>(size % span));
  }
  return 0;
}
