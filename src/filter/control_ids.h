// The filter window's control and command IDs, said once.
#pragma once

#include <cstdint>

// The property panel: one row per track. Each row's group box has the base
// ID; the row's entry is base + 1, its position box base + 2 and its colour
// box base + 3, as Panekin::PropertyGroup numbers them.
constexpr uint16_t kColorGroupId = 1000;                      // "色"
constexpr uint16_t kColorEntryId = kColorGroupId + 1;         // six hexadecimal digits
constexpr uint16_t kColorPositionId = kColorGroupId + 2;      // 0..100
constexpr uint16_t kColorBoxId = kColorGroupId + 3;           // a click opens the colour dialog
constexpr uint16_t kOpacityGroupId = 1010;                    // "透過"
constexpr uint16_t kOpacityEntryId = kOpacityGroupId + 1;     // percent
constexpr uint16_t kOpacityPositionId = kOpacityGroupId + 2;  // 0..100
constexpr uint16_t kGreyBoxId = kOpacityGroupId + 3;          // shows the opacity as a grey

// The host's two push buttons, "読込" and "保存", reach the filter as these
// commands.
constexpr uint16_t kLoadButtonCommand = 12004;
constexpr uint16_t kSaveButtonCommand = 12005;
