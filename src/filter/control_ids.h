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

// The canvas's context menu: each item's command reaches the filter window
// as WM_COMMAND, as the keys' do not.
constexpr uint16_t kMenuUndoCommand = 13001;      // "元に戻す"
constexpr uint16_t kMenuRedoCommand = 13002;      // "やり直し"
constexpr uint16_t kMenuCopyCommand = 13003;      // "コピー"
constexpr uint16_t kMenuPasteCommand = 13004;     // "貼り付け"
constexpr uint16_t kMenuReverseCommand = 13005;   // "左右反転"
constexpr uint16_t kMenuDistributeColor = 13006;  // "等間隔に配置", the colour track
constexpr uint16_t kMenuDistributeAlpha = 13007;  // the opacity track
constexpr uint16_t kMenuDistributeBoth = 13008;   // both, for a click on the bar
constexpr uint16_t kMenuDeleteCommand = 13009;    // "選択中の分岐点を削除"
constexpr uint16_t kMenuResetCommand = 13010;     // "初期化"
constexpr uint16_t kMenuPickColor = 13011;        // "スポイト"
// "プリセット": its items, separators included, in list order.
constexpr uint16_t kMenuPresetFirst = 13100;
constexpr uint16_t kMenuPresetLast = 13999;

// The timer on the filter window that follows the cursor while picking.
constexpr uint16_t kEyedropperTimerId = 14000;
