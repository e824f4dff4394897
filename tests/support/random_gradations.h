// Reproducible random inputs for comparing fast paths against the plain
// evaluators: the same draws on every build.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "model/gradation.h"

// SplitMix64.
class TestRandom {
 public:
  explicit TestRandom(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
    return z ^ (z >> 31);
  }
  uint32_t Below(uint32_t n) { return static_cast<uint32_t>(Next() % n); }
  // Uniform in [lo, hi).
  float Uniform(float lo, float hi) {
    return lo + (hi - lo) * static_cast<float>(Next() >> 40) * 0x1p-24f;
  }
  template <typename T, size_t N>
  const T& Pick(const T (&values)[N]) {
    return values[Below(N)];
  }

 private:
  uint64_t state_;
};

inline float FloatFromBits(uint32_t bits) {
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

inline uint32_t BitsOfFloat(float f) {
  uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  return bits;
}

// Positions as stops take them: mostly inside 0..100 with repeats and the
// ends, sometimes outside, sometimes not finite when `hostile`.
inline float RandomStopPosition(TestRandom& random, bool hostile) {
  const float inf = std::numeric_limits<float>::infinity();
  const float special[] = {0.0f, 100.0f, 50.0f, 33.3f, -0.0f, -5.0f, 120.0f, 1e-30f};
  const float wild[] = {inf, -inf, std::numeric_limits<float>::quiet_NaN(), 3e38f, -3e38f};
  switch (random.Below(hostile ? 8 : 6)) {
    case 0:
      return random.Pick(special);
    case 6:
      return random.Pick(wild);
    default:
      return random.Uniform(-10.0f, 110.0f);
  }
}

inline float RandomOpacity(TestRandom& random, bool hostile) {
  const float special[] = {0.0f, 100.0f, 50.0f, 0.5f, 99.5f, 110.0f, -20.0f, 1e-3f};
  const float wild[] = {std::numeric_limits<float>::infinity(),
                        std::numeric_limits<float>::quiet_NaN(), 3e38f, -1e7f, 2e6f};
  switch (random.Below(hostile ? 6 : 5)) {
    case 0:
      return random.Pick(special);
    case 5:
      return random.Pick(wild);
    default:
      return random.Uniform(0.0f, 100.0f);
  }
}

// Up to maxStops stops per track, added as scripts add them; a few made
// inactive, as the editor leaves the stop being dragged.
inline GradationData RandomGradation(TestRandom& random, int maxStops, bool hostile) {
  GradationData g;
  const int colors = static_cast<int>(random.Below(static_cast<uint32_t>(maxStops) + 1));
  const int alphas = static_cast<int>(random.Below(static_cast<uint32_t>(maxStops) + 1));
  for (int i = 0; i < colors; ++i) {
    AddColorStop(g, RandomStopPosition(random, hostile),
                 RgbFromPacked(static_cast<uint32_t>(random.Next())));
  }
  for (int i = 0; i < alphas; ++i) {
    AddAlphaStop(g, RandomStopPosition(random, hostile), RandomOpacity(random, hostile));
  }
  for (ColorStop& stop : g.colorStops) stop.active = random.Below(6) != 0;
  for (AlphaStop& stop : g.alphaStops) stop.active = random.Below(6) != 0;
  return g;
}

// Exponents scripts pass, the estimate's domain edges, and hostile values.
inline float RandomExponent(TestRandom& random) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const float exponents[] = {1.0f,  4.0f / 3.0f, 2.0f,  0.5f, 3.0f,     1.7f,   0.0625f,
                             16.0f, 0.0624999f,  16.5f, 0.0f, -1.0f,    1e-30f, 1e30f,
                             nan,   inf,         -inf,  0.3f, 5.00001f, 7.25f};
  if (random.Below(4) == 0) return random.Uniform(0.0625f, 16.0f);
  return random.Pick(exponents);
}

// How many stops a track gets: from `fewest` to `most`.
struct StopCountRange {
  int fewest, most;
};

// Well-formed gradations, every stop active: each stop's position drawn by
// `place`, each opacity by `opacity`.
template <typename Place, typename Opacity>
GradationData RandomGradation(TestRandom& random, StopCountRange colors, StopCountRange alphas, Place place,
                              Opacity opacity) {
  const auto count = [&](StopCountRange c) {
    return c.fewest + static_cast<int>(random.Below(static_cast<uint32_t>(c.most - c.fewest + 1)));
  };
  // Each stop's value is drawn before its position.
  GradationData g;
  for (int i = count(colors); i > 0; --i) {
    const Rgb color = RgbFromPacked(static_cast<uint32_t>(random.Next()));
    AddColorStop(g, place(random), color);
  }
  for (int i = count(alphas); i > 0; --i) {
    const float value = opacity(random);
    AddAlphaStop(g, place(random), value);
  }
  return g;
}
