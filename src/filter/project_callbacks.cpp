#include "filter/project_callbacks.h"

#include "model/banks.h"
#include "persist/project_block.h"

extern "C" int32_t SaveProjectData(FilterRecord*, void*, void* data, int32_t* size) {
  const uint64_t length = ProjectBlockLength(GradationBank);
  // A size the host's int32 cannot carry would have it allocate too little
  // for the write call; refuse both calls instead.
  if (length > INT32_MAX) return 0;
  if (data == nullptr) {
    if (size != nullptr) *size = static_cast<int32_t>(length);
    return 1;
  }
  WriteProjectBlock(GradationBank, static_cast<uint8_t*>(data));
  return 1;
}

extern "C" int32_t LoadProjectData(FilterRecord*, void*, void* data, int32_t size) {
  if (data != nullptr && size > 0) {
    const int32_t replaced = ReadProjectBlock(GradationBank, static_cast<const uint8_t*>(data),
                                              static_cast<size_t>(size));
    NotifyBankReplaced({1, replaced, BankChangeReason::ProjectLoad});
  }
  return 1;
}
