#include "model/banks.h"

GradationData GradationBank[kBankSize];
GradationData ScratchBank[kScratchSize];

namespace {
BankChangeListener g_bankChangeListener = nullptr;
}

void SetBankChangeListener(BankChangeListener listener) { g_bankChangeListener = listener; }

void NotifyBankReplaced(const BankChange& change) {
  if (g_bankChangeListener != nullptr && change.count > 0) g_bankChangeListener(change);
}

GradationData* GradationById(int32_t id) {
  if (id >= 1 && id <= kBankSize) return &GradationBank[id - 1];
  if (id <= 0 && id > -kScratchSize) return &ScratchBank[-id];
  return nullptr;
}

void SetDefaultGradation(GradationData& gradation) {
  ClearGradation(gradation);
  AddColorStop(gradation, 0.0f, Rgb{0, 0, 0});
  AddColorStop(gradation, 100.0f, Rgb{255, 255, 255});
  AddAlphaStop(gradation, 0.0f, 100.0f);
  AddAlphaStop(gradation, 100.0f, 100.0f);
}

void ResetBankToDefaults() {
  for (GradationData& gradation : GradationBank) SetDefaultGradation(gradation);
  NotifyBankReplaced({1, kBankSize, BankChangeReason::Reset});
}
