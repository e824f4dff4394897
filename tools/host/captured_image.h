// A captured picture, and two captures put together: platform-free, tested natively.
#pragma once

#include <cstdint>
#include <vector>

struct CapturedImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows from the top
};

// `top` drawn over `base` with its corner at (x, y) of base's coordinates: the
// result is the smallest rectangle holding both, `background` where neither
// lies. A popup window may hang past the window it opened over, on any side.
CapturedImage OverlayImage(const CapturedImage& base, const CapturedImage& top, int x, int y,
                           uint32_t background);
