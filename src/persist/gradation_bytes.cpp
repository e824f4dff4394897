#include "persist/gradation_bytes.h"

#include <cstring>
#include <utility>
#include <vector>

namespace {

// Byte-wise throughout: colour stop records put their floats at odd offsets.
uint32_t LoadU32(const uint8_t* in) {
  return static_cast<uint32_t>(in[0]) | static_cast<uint32_t>(in[1]) << 8 |
         static_cast<uint32_t>(in[2]) << 16 | static_cast<uint32_t>(in[3]) << 24;
}

float LoadF32(const uint8_t* in) {
  const uint32_t bits = LoadU32(in);
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

uint8_t* StoreU32(uint8_t* out, uint32_t value) {
  out[0] = static_cast<uint8_t>(value);
  out[1] = static_cast<uint8_t>(value >> 8);
  out[2] = static_cast<uint8_t>(value >> 16);
  out[3] = static_cast<uint8_t>(value >> 24);
  return out + 4;
}

uint8_t* StoreF32(uint8_t* out, float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return StoreU32(out, bits);
}

// NaN fails both comparisons and is kept as it is.
float ClampPosition(float position) {
  if (position < 0.0f) return 0.0f;
  if (position > 100.0f) return 100.0f;
  return position;
}

uint64_t RecordLength(uint64_t colorCount, uint64_t alphaCount) {
  return kRecordHeaderSize + kColorStopRecordSize * colorCount + kAlphaStopRecordSize * alphaCount;
}

}  // namespace

uint64_t GradationRecordLength(const GradationData& gradation) {
  return RecordLength(gradation.colorStops.size(), gradation.alphaStops.size());
}

uint64_t GradationRecordLength(const uint8_t* header) {
  return RecordLength(LoadU32(header), LoadU32(header + 4));
}

uint32_t WriteGradationBytes(const GradationData& gradation, uint8_t* out) {
  const auto length = static_cast<uint32_t>(GradationRecordLength(gradation));
  if (out == nullptr) return length;
  out = StoreU32(out, static_cast<uint32_t>(gradation.colorStops.size()));
  out = StoreU32(out, static_cast<uint32_t>(gradation.alphaStops.size()));
  for (const ColorStop& stop : gradation.colorStops) {
    out[0] = stop.red;
    out[1] = stop.green;
    out[2] = stop.blue;
    out = StoreF32(out + 3, stop.position);
  }
  for (const AlphaStop& stop : gradation.alphaStops) {
    out = StoreF32(out, stop.opacity);
    out = StoreF32(out, stop.position);
  }
  return length;
}

size_t ReadGradationBytes(GradationData& gradation, const uint8_t* in, size_t available,
                          RecordPositions positions) {
  const auto position = [positions](float stored) {
    return positions == RecordPositions::Clamped ? ClampPosition(stored) : stored;
  };
  if (in == nullptr || available < kRecordHeaderSize) return 0;
  // Checked before anything is allocated, so absurd counts cost nothing.
  const uint64_t length = GradationRecordLength(in);
  if (length > available) return 0;
  const uint32_t colorCount = LoadU32(in);
  const uint32_t alphaCount = LoadU32(in + 4);

  // Built aside and swapped in, so the target changes whole or not at all.
  GradationData read;
  read.colorStops.reserve(colorCount);
  read.alphaStops.reserve(alphaCount);
  const uint8_t* at = in + kRecordHeaderSize;
  for (uint32_t i = 0; i < colorCount; ++i, at += kColorStopRecordSize) {
    read.colorStops.push_back(ColorStop{0, position(LoadF32(at + 3)), true, at[0], at[1], at[2]});
  }
  for (uint32_t i = 0; i < alphaCount; ++i, at += kAlphaStopRecordSize) {
    read.alphaStops.push_back(AlphaStop{0, position(LoadF32(at + 4)), true, LoadF32(at)});
  }
  // Every stop enters with serial 0: ties keep their record order (stable sort).
  SortStops(read.colorStops);
  SortStops(read.alphaStops);
  RenumberStops(read.colorStops);
  RenumberStops(read.alphaStops);
  std::swap(gradation, read);
  return static_cast<size_t>(length);
}
