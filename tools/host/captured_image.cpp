#include "captured_image.h"

#include <algorithm>
#include <cstddef>

namespace {

void Draw(CapturedImage& onto, const CapturedImage& image, int x, int y) {
  for (int row = 0; row < image.height; ++row) {
    const auto from = image.pixels.begin() + static_cast<std::ptrdiff_t>(row) * image.width;
    const auto to = onto.pixels.begin() + static_cast<std::ptrdiff_t>(y + row) * onto.width + x;
    std::copy(from, from + image.width, to);
  }
}

}  // namespace

CapturedImage OverlayImage(const CapturedImage& base, const CapturedImage& top, int x, int y,
                           uint32_t background) {
  const int left = std::min(0, x), upper = std::min(0, y);
  const int right = std::max(base.width, x + top.width);
  const int lower = std::max(base.height, y + top.height);
  CapturedImage out;
  out.width = right - left;
  out.height = lower - upper;
  out.pixels.assign(static_cast<size_t>(out.width) * static_cast<size_t>(out.height), background);
  Draw(out, base, -left, -upper);
  Draw(out, top, x - left, y - upper);
  return out;
}
