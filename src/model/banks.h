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

// Told whenever whole bank entries get new lists (file and project loads,
// scripts, the reset), so that the editor can drop its selections in them.
using BankReplacedListener = void (*)(int32_t firstIndex, int32_t count);
void SetBankReplacedListener(BankReplacedListener listener);
void NotifyBankReplaced(int32_t firstIndex, int32_t count);

// Black at 0 to white at 100, opaque at both ends, for all 50 bank entries.
void ResetBankToDefaults();
void SetDefaultGradation(GradationData& gradation);
