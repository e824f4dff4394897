#include "persist/project_block.h"

#include <algorithm>

#include "persist/gradation_bytes.h"

uint64_t ProjectBlockLength(const GradationData (&bank)[kBankSize]) {
  uint64_t length = kProjectCountSize;
  for (const GradationData& gradation : bank) length += GradationRecordLength(gradation);
  return length;
}

void WriteProjectBlock(const GradationData (&bank)[kBankSize], uint8_t* out) {
  out[0] = static_cast<uint8_t>(kBankSize);
  out[1] = static_cast<uint8_t>(kBankSize >> 8);
  out += kProjectCountSize;
  for (const GradationData& gradation : bank) out += WriteGradationBytes(gradation, out);
}

int32_t ReadProjectBlock(GradationData (&bank)[kBankSize], const uint8_t* data, size_t size) {
  if (data == nullptr || size < kProjectCountSize) return 0;
  const auto count = static_cast<int16_t>(static_cast<uint16_t>(data[0] | data[1] << 8));
  const int32_t records = std::min<int32_t>(count, kBankSize);
  size_t offset = kProjectCountSize;
  int32_t replaced = 0;
  while (replaced < records) {
    const size_t used =
        ReadGradationBytes(bank[replaced], data + offset, size - offset, RecordPositions::AsStored);
    if (used == 0) break;
    offset += used;
    ++replaced;
  }
  return replaced;
}
