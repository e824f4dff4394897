// Any bytes, any length: the reader either rejects them leaving the target as
// it was, or builds a clamped, sorted gradation holding exactly the record's
// stops, which writes back to the record's length and reads back to itself.
#include <algorithm>
#include <array>
#include <cstring>

#include "fuzz_checks.h"

namespace {

// A stop as a sortable byte string: track, value, clamped position.
using StopBytes = std::array<uint8_t, 9>;

float Clamped(float position) {
  if (position < 0.0f) return 0.0f;
  if (position > 100.0f) return 100.0f;
  return position;
}

// The record's stops as the reader must keep them, in byte order: it may
// reorder stops but must neither lose nor alter one.
std::vector<StopBytes> StopsOf(const uint8_t* record, uint32_t colors, uint32_t alphas) {
  std::vector<StopBytes> stops;
  const uint8_t* at = record + kRecordHeaderSize;
  for (uint32_t i = 0; i < colors + alphas; ++i) {
    const bool color = i < colors;
    const size_t valueSize = color ? 3 : 4;
    StopBytes stop{};
    stop[0] = color ? 1 : 2;
    std::memcpy(stop.data() + 1, at, valueSize);
    float position;
    std::memcpy(&position, at + valueSize, 4);
    position = Clamped(position);
    std::memcpy(stop.data() + 5, &position, 4);
    stops.push_back(stop);
    at += valueSize + 4;
  }
  std::sort(stops.begin(), stops.end());
  return stops;
}

uint32_t Count(const uint8_t* at) {
  return static_cast<uint32_t>(at[0] | at[1] << 8 | at[2] << 16) | static_cast<uint32_t>(at[3])
                                                                       << 24;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  GradationData gradation = Marker(42.0f);
  const size_t used = ReadGradationBytes(gradation, data, size);
  if (used == 0) {
    FUZZ_CHECK(size < kRecordHeaderSize || GradationRecordLength(data) > size);
    FUZZ_CHECK(IsMarker(gradation, 42.0f));
    return 0;
  }
  FUZZ_CHECK(used == GradationRecordLength(data) && used <= size);
  FUZZ_CHECK(gradation.colorStops.size() == Count(data));
  FUZZ_CHECK(gradation.alphaStops.size() == Count(data + 4));
  CheckReadGradation(gradation);

  const std::vector<uint8_t> written = Written(gradation);
  FUZZ_CHECK(written.size() == used);
  FUZZ_CHECK(StopsOf(written.data(), Count(data), Count(data + 4)) ==
             StopsOf(data, Count(data), Count(data + 4)));
  if (!HasNanPosition(gradation)) {
    GradationData again;
    FUZZ_CHECK(ReadGradationBytes(again, written.data(), written.size()) == used);
    FUZZ_CHECK(Written(again) == written);
  }
  return 0;
}
