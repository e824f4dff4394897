// Photo-like test pictures made in code: a sky-to-ground gradient, soft
// discs of colours drawn at random (so that one luminance carries several
// hues, as in photographs), and grain. Float arithmetic only, the same on
// every build.
#pragma once

#include <cstdint>
#include <vector>

#include "support/random_gradations.h"

namespace photo_like {

struct Disc {
  float x, y, radius;
  float rgb[3];
};

inline float Clamp01(float v) { return v < 0.0f ? 0.0f : v > 1.0f ? 1.0f : v; }

}  // namespace photo_like

// 0xFFRRGGBB words, row after row.
inline std::vector<uint32_t> PhotoLikePixels(int width, int height, uint64_t seed) {
  using namespace photo_like;
  TestRandom random(seed);
  float top[3], bottom[3];
  for (float& c : top) c = random.Uniform(0.1f, 0.9f);
  for (float& c : bottom) c = random.Uniform(0.0f, 0.5f);
  std::vector<Disc> discs(12);
  for (Disc& disc : discs) {
    disc = {
        random.Uniform(0.0f, 1.0f), random.Uniform(0.0f, 1.0f), random.Uniform(0.05f, 0.3f), {}};
    for (float& c : disc.rgb) c = random.Uniform(0.0f, 1.0f);
  }
  std::vector<uint32_t> pixels;
  pixels.reserve(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const float u = static_cast<float>(x) / static_cast<float>(width);
      const float v = static_cast<float>(y) / static_cast<float>(height);
      float rgb[3];
      for (int c = 0; c < 3; ++c) rgb[c] = top[c] + (bottom[c] - top[c]) * v;
      for (const Disc& disc : discs) {
        const float d2 = ((u - disc.x) * (u - disc.x) + (v - disc.y) * (v - disc.y)) /
                         (disc.radius * disc.radius);
        const float f = Clamp01(1.0f - d2);
        for (int c = 0; c < 3; ++c) rgb[c] += (disc.rgb[c] - rgb[c]) * f * f;
      }
      const float grain = random.Uniform(-0.03f, 0.03f);
      uint32_t word = 0xFF000000u;
      for (int c = 0; c < 3; ++c) {
        word |= static_cast<uint32_t>(Clamp01(rgb[c] + grain) * 255.0f + 0.5f) << (16 - 8 * c);
      }
      pixels.push_back(word);
    }
  }
  return pixels;
}
