// Stop records of the two tracks of a gradation, and the tracks themselves.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

enum class StopTrack { Color, Alpha };

inline constexpr StopTrack kStopTracks[] = {StopTrack::Color, StopTrack::Alpha};

// One T for each track, indexed by the track.
template <typename T>
struct PerTrack {
  std::array<T, 2> byTrack{};

  constexpr T& operator[](StopTrack track) { return byTrack[static_cast<size_t>(track)]; }
  constexpr const T& operator[](StopTrack track) const {
    return byTrack[static_cast<size_t>(track)];
  }
};

struct ColorStop {
  int32_t serial = 0;
  float position = 0.0f;  // percent of the gradation's length
  bool active = true;
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
};

struct AlphaStop {
  int32_t serial = 0;
  float position = 0.0f;
  bool active = true;
  float opacity = 100.0f;  // percent, 100 is fully opaque
};

struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
};

// Colours cross every boundary as 0xRRGGBB; bits 24-31 are ignored on the way in.
inline Rgb RgbFromPacked(uint32_t packed) {
  return Rgb{static_cast<uint8_t>(packed >> 16), static_cast<uint8_t>(packed >> 8),
             static_cast<uint8_t>(packed)};
}

inline uint32_t PackedFromStop(const ColorStop& stop) {
  return static_cast<uint32_t>(stop.red) << 16 | static_cast<uint32_t>(stop.green) << 8 |
         static_cast<uint32_t>(stop.blue);
}
