// Any block, any size, through the hook as the host calls it: the bank's
// leading entries are replaced by the block's whole records (never more than
// 50), every later entry is left alone, and the bank then saves and loads
// back whole.
#include <cstdint>
#include <vector>

#include "filter/project_callbacks.h"
#include "fuzz_checks.h"
#include "model/banks.h"

namespace {

// How many entries a load must replace: whole records from the front, up to
// the count and the bank's size.
int32_t WholeRecords(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const auto count = static_cast<int16_t>(static_cast<uint16_t>(data[0] | data[1] << 8));
  size_t offset = 2;
  int32_t whole = 0;
  while (whole < count && whole < kBankSize && size - offset >= kRecordHeaderSize &&
         GradationRecordLength(data + offset) <= size - offset) {
    offset += static_cast<size_t>(GradationRecordLength(data + offset));
    ++whole;
  }
  return whole;
}

std::vector<uint8_t> SavedBlock() {
  int32_t size = -1;
  FUZZ_CHECK(SaveProjectData(nullptr, nullptr, nullptr, &size) == 1);
  FUZZ_CHECK(size >= 2);
  std::vector<uint8_t> block(static_cast<size_t>(size));
  FUZZ_CHECK(SaveProjectData(nullptr, nullptr, block.data(), &size) == 1);
  return block;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > INT32_MAX) return 0;
  for (int32_t i = 0; i < kBankSize; ++i) GradationBank[i] = Marker(static_cast<float>(i));
  std::vector<uint8_t> block(data, data + size);
  FUZZ_CHECK(LoadProjectData(nullptr, nullptr, block.data(), static_cast<int32_t>(size)) == 1);

  const int32_t whole = WholeRecords(data, size);
  bool nan = false;
  for (int32_t i = 0; i < kBankSize; ++i) {
    if (i < whole) {
      CheckReadGradation(GradationBank[i], RecordPositions::AsStored);
      nan = nan || HasNanPosition(GradationBank[i]);
    } else {
      FUZZ_CHECK(IsMarker(GradationBank[i], static_cast<float>(i)));
    }
  }

  const std::vector<uint8_t> saved = SavedBlock();
  FUZZ_CHECK(saved[0] == 50 && saved[1] == 0);
  FUZZ_CHECK(WholeRecords(saved.data(), saved.size()) == kBankSize);
  std::vector<uint8_t> reloaded = saved;
  FUZZ_CHECK(LoadProjectData(nullptr, nullptr, reloaded.data(),
                             static_cast<int32_t>(reloaded.size())) == 1);
  if (!nan) FUZZ_CHECK(SavedBlock() == saved);
  return 0;
}
