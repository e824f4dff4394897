// sample-photo OUT.png [WIDTH HEIGHT]: a photo-like test image (sky, sun,
// hills, soft shapes, grain; 360 x 240 unless told) for the documentation's
// recolouring example, so the repository needs no photo of anyone else's.
// Plain arithmetic only, no library maths, so every machine draws the same
// pixels.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "png_image.h"

namespace {

struct Color {
  float r, g, b;
};

Color Mix(Color a, Color b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

float Clamp01(float v) { return v < 0.0f ? 0.0f : v > 1.0f ? 1.0f : v; }

float Smoothstep(float edge0, float edge1, float v) {
  const float t = Clamp01((v - edge0) / (edge1 - edge0));
  return t * t * (3.0f - 2.0f * t);
}

// 1 at the centre, falling smoothly to 0 at `radius`.
float SoftDisc(float x, float y, float cx, float cy, float radius) {
  const float d2 = ((x - cx) * (x - cx) + (y - cy) * (y - cy)) / (radius * radius);
  const float f = Clamp01(1.0f - d2);
  return f * f;
}

// A smooth bump of the given height and half-width, for hill outlines.
float Bump(float x, float centre, float halfWidth, float height) {
  const float t = Clamp01(1.0f - ((x - centre) / halfWidth) * ((x - centre) / halfWidth));
  return height * t * t;
}

// Grain from a hash of the pixel's place: -1..1.
float Grain(uint32_t x, uint32_t y) {
  uint32_t h = x * 374761393u + y * 668265263u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return static_cast<float>(h & 0xFFFF) / 32767.5f - 1.0f;
}

uint32_t Pixel(float u, float v, uint32_t x, uint32_t y) {
  // Sky: deep blue above to a pale horizon.
  Color c = Mix({0.16f, 0.30f, 0.62f}, {0.93f, 0.86f, 0.74f}, Smoothstep(0.0f, 0.62f, v));
  // Sun with a wide glow, and two soft clouds.
  c = Mix(c, {1.0f, 0.95f, 0.80f}, 0.45f * SoftDisc(u, v, 0.70f, 0.38f, 0.30f));
  c = Mix(c, {1.0f, 0.99f, 0.94f}, SoftDisc(u, v, 0.70f, 0.38f, 0.07f));
  c = Mix(c, {0.97f, 0.97f, 0.98f}, 0.8f * SoftDisc(u * 0.6f, v, 0.12f, 0.18f, 0.07f));
  c = Mix(c, {0.90f, 0.91f, 0.95f}, 0.7f * SoftDisc(u * 0.5f, v, 0.30f, 0.12f, 0.05f));
  // Far hills, then near hills, each with a soft edge and darker lower down.
  const float far = 0.62f - Bump(u, 0.25f, 0.35f, 0.12f) - Bump(u, 0.80f, 0.30f, 0.08f);
  c = Mix(c, Mix({0.42f, 0.50f, 0.58f}, {0.30f, 0.38f, 0.45f}, Clamp01((v - far) * 4.0f)),
          Smoothstep(far - 0.004f, far + 0.004f, v));
  const float near = 0.78f - Bump(u, 0.60f, 0.45f, 0.10f) - Bump(u, 0.05f, 0.20f, 0.05f);
  c = Mix(c, Mix({0.30f, 0.45f, 0.18f}, {0.10f, 0.20f, 0.07f}, Clamp01((v - near) * 3.0f)),
          Smoothstep(near - 0.004f, near + 0.004f, v));
  // A few trees: dark soft shapes on the near hill.
  for (const float tx : {0.16f, 0.22f, 0.86f}) {
    const float crown = SoftDisc(u * 1.6f, v * 0.8f, tx * 1.6f, 0.70f * 0.8f, 0.06f);
    c = Mix(c, {0.06f, 0.14f, 0.06f}, Smoothstep(0.3f, 0.6f, crown));
  }
  const float grain = 0.012f * Grain(x, y);
  const auto channel = [grain](float value) {
    return static_cast<uint32_t>(Clamp01(value + grain) * 255.0f + 0.5f);
  };
  return 0xFF000000u | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 4) {
    std::fprintf(stderr, "usage: sample-photo OUT.png [WIDTH HEIGHT]\n");
    return 2;
  }
  WordImage image;
  image.width = argc == 4 ? std::atoi(argv[2]) : 360;
  image.height = argc == 4 ? std::atoi(argv[3]) : 240;
  if (image.width <= 0 || image.height <= 0 || image.width > 8192 || image.height > 8192) {
    std::fprintf(stderr, "sample-photo: WIDTH and HEIGHT must be 1 to 8192\n");
    return 2;
  }
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      image.pixels.push_back(Pixel(static_cast<float>(x) / static_cast<float>(image.width),
                                   static_cast<float>(y) / static_cast<float>(image.height),
                                   static_cast<uint32_t>(x), static_cast<uint32_t>(y)));
    }
  }
  if (!WritePngImage(argv[1], image, false)) {
    std::fprintf(stderr, "sample-photo: %s: cannot write the PNG image\n", argv[1]);
    return 1;
  }
  return 0;
}
