// The two process-wide gradation sets: the bank the user edits (IDs 1..50)
// and the scratch set only scripts reach (IDs 0..-9).
#pragma once

#include <cstdint>

#include "model/gradation.h"

constexpr int32_t kBankSize = 50;
constexpr int32_t kScratchSize = 10;

extern GradationData GradationBank[kBankSize];   // ID n is element n - 1
extern GradationData ScratchBank[kScratchSize];  // ID -n is element n

// The gradation an ID addresses, or null for any other ID.
GradationData* GradationById(int32_t id);

// Why whole bank entries got new lists.
enum class BankChangeReason { Script, File, Drop, ProjectLoad, Reset };

// Bank IDs firstId .. firstId + count - 1 were replaced.
struct BankChange {
  int32_t firstId = 1;
  int32_t count = 0;
  BankChangeReason reason = BankChangeReason::Script;
};

// Whoever replaces whole bank entries says so once, here; the one listener
// (the editor, while it exists) decides what that means for what it shows.
using BankChangeListener = void (*)(const BankChange& change);
void SetBankChangeListener(BankChangeListener listener);
void NotifyBankReplaced(const BankChange& change);

// Black at 0 to white at 100, opaque at both ends, for all 50 bank entries;
// told as a reset.
void ResetBankToDefaults();
void SetDefaultGradation(GradationData& gradation);
