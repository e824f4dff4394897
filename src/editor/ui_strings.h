// Every user-interface string of the library. The source is UTF-8; the
// compiler writes plain literals in code page 932 (-fexec-charset=CP932, see
// the top CMakeLists.txt), the ANSI code page of the host's platform.
#pragma once

namespace ui_strings {

inline constexpr char kFilterName[] = "Velumbra";
inline constexpr char kInformation[] = "Velumbra version 0.03 by qorvin";
inline constexpr char kTrackId[] = "ID";
inline constexpr char kLoadButton[] = "読込";
inline constexpr char kSaveButton[] = "保存";
inline constexpr char kColorGroup[] = "色";
inline constexpr char kOpacityGroup[] = "透過";

inline constexpr char kMessageCaption[] = "Velumbra";
inline constexpr char kLoadFailed[] = "グラデーションファイルの読み込みに失敗しました";
inline constexpr char kSaveFailed[] = "グラデーションファイルの出力に失敗しました";

// The file dialogs' entries besides the formats' own (kGradientFormats'
// fileTypeLabel; see LoadFileFilter), "%s" standing for the patterns.
inline constexpr char kEverySupportedFile[] = "対応するすべてのファイル";
inline constexpr char kAllFiles[] = "すべてのファイル(%s)";

// The load-failure message's second line, one per cause; "%s" stands for
// the format's limit in MiB (FormatMaxBytes).
inline constexpr char kFileUnreadable[] = "ファイルを開けないか、読み取れません";
inline constexpr char kFileTooLarge[] = "ファイルが大きすぎます (%s MiB まで)";
inline constexpr char kUnknownFileFormat[] = "対応している形式のファイルではありません";
inline constexpr char kOutOfMemory[] = "メモリが足りません";
// "<format> の内容を読み取れません", after the format's label (kGradientFormats).
inline constexpr char kContentUnreadable[] = "の内容を読み取れません";

// After a path the save dialog did not ask about (an extension was added).
inline constexpr char kReplaceQuestion[] = " は既にあります。\r\n置き換えますか?";

// The chooser of one gradient from a file of several.
inline constexpr char kChooserTitle[] = "グラデーションの選択";
inline constexpr char kChooserPrompt[] = "読み込むグラデーションを選んでください";
inline constexpr char kChooserOk[] = "OK";
inline constexpr char kChooserCancel[] = "キャンセル";

// The canvas's context menu; a tab sets the key apart.
inline constexpr char kMenuUndo[] = "元に戻す\tCtrl+Z";
inline constexpr char kMenuRedo[] = "やり直し\tCtrl+Y";
inline constexpr char kMenuCopy[] = "コピー\tCtrl+C";
inline constexpr char kMenuPaste[] = "貼り付け\tCtrl+V";
inline constexpr char kMenuEyedropper[] = "スポイト\tI";
inline constexpr char kMenuReverse[] = "左右反転";
inline constexpr char kMenuDistribute[] = "等間隔に配置";
inline constexpr char kMenuDelete[] = "選択中の分岐点を削除\tDel";
inline constexpr char kMenuReset[] = "初期化";
inline constexpr char kMenuPresets[] = "プリセット";

}  // namespace ui_strings
