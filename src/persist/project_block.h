// The bank as the host's project stores it: an int16 count (50 when written),
// then the bank's gradation records in ID order, back to back.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/banks.h"

constexpr size_t kProjectCountSize = 2;

// 2 plus the 50 record lengths, in 64 bits.
uint64_t ProjectBlockLength(const GradationData (&bank)[kBankSize]);

// Writes ProjectBlockLength(bank) bytes to `out`.
void WriteProjectBlock(const GradationData (&bank)[kBankSize], uint8_t* out);

// Replaces bank entries 0, 1, ... with the block's records, never more than
// the bank holds, and stops at the first record that `size` does not hold
// whole; that entry and all later ones keep their content. Positions come
// back as they were written. Returns the number of entries replaced.
int32_t ReadProjectBlock(GradationData (&bank)[kBankSize], const uint8_t* data, size_t size);
