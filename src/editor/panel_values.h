// The property panel's value rules, free of any window: the range a typed
// number is held to, the grey that shows an opacity, and the platform's
// red-lowest colour order.
#pragma once

#include <cstdint>

// A typed position or opacity within 0..100 stays as it is (true); any other
// value becomes the nearer end, and NaN becomes 0 (false: the entry must be
// rewritten).
bool KeepTypedPercent(double* value);

// g = trunc(min(max(o x 2.55, 0), 255)) in double precision, as 0xRRGGBB
// g x 0x010101; opacity 100 gives 254. NaN gives black.
uint32_t GreyOfOpacity(double opacity);

// 0xRRGGBB <-> red | green << 8 | blue << 16.
uint32_t RedLowestFromPacked(uint32_t packed);
uint32_t PackedFromRedLowest(uint32_t redLowest);
