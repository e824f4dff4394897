// Gradation records assembled byte by byte, independently of the writer, so
// the tests can state damaged and hostile input exactly.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "model/gradation.h"

class RecordBuilder {
 public:
  RecordBuilder& Counts(uint32_t colors, uint32_t alphas) {
    U32(colors);
    U32(alphas);
    return *this;
  }
  RecordBuilder& Color(uint8_t red, uint8_t green, uint8_t blue, float position) {
    bytes_.insert(bytes_.end(), {red, green, blue});
    return F32(position);
  }
  RecordBuilder& Alpha(float opacity, float position) { return F32(opacity).F32(position); }
  RecordBuilder& U16(uint16_t value) {
    bytes_.insert(bytes_.end(), {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)});
    return *this;
  }
  RecordBuilder& U32(uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
      bytes_.push_back(static_cast<uint8_t>(value >> shift));
    return *this;
  }
  RecordBuilder& F32(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return U32(bits);
  }
  RecordBuilder& Bytes(const std::vector<uint8_t>& more) {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
    return *this;
  }
  std::vector<uint8_t> Build() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

// The worked example: black at 0 to white at 100, opaque at both ends.
inline std::vector<uint8_t> DefaultRecord() {
  return RecordBuilder()
      .Counts(2, 2)
      .Color(0, 0, 0, 0.0f)
      .Color(255, 255, 255, 100.0f)
      .Alpha(100.0f, 0.0f)
      .Alpha(100.0f, 100.0f)
      .Build();
}

// A gradation that no record can produce (inactive stop, odd serial), so a
// test can tell an entry that was left alone from one that was loaded.
inline GradationData Untouched(float position) {
  GradationData gradation;
  gradation.colorStops.push_back(ColorStop{7, position, false, 1, 2, 3});
  return gradation;
}

inline bool IsUntouched(const GradationData& gradation, float position) {
  return gradation.colorStops.size() == 1 && gradation.alphaStops.empty() &&
         !gradation.colorStops[0].active && gradation.colorStops[0].serial == 7 &&
         gradation.colorStops[0].position == position;
}
