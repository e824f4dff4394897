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

// The file dialogs' filter lists: label, pattern, label, pattern, then a
// second NUL ends the list. A loaded file is recognised by its content, so
// the first entry serves the other program's .grd packs as well.
inline constexpr char kLoadFileFilter[] =
    "Velumbra file(*.grd)\0*.grd\0"
    "対応するすべてのファイル\0*.grd;*.ggr;*.svg;*.css;*.txt\0"
    "GIMP グラデーション (*.ggr)\0*.ggr\0"
    "SVG (*.svg)\0*.svg\0"
    "CSS (*.css;*.txt)\0*.css;*.txt\0"
    "すべてのファイル(*.*)\0*.*\0";
// The entry chosen here decides the format written (see SaveTargetFor).
inline constexpr char kSaveFileFilter[] =
    "Velumbra file(*.grd)\0*.grd\0"
    "GIMP グラデーション (*.ggr)\0*.ggr\0"
    "SVG (*.svg)\0*.svg\0"
    "CSS (*.css)\0*.css\0"
    "すべてのファイル(*.*)\0*.*\0";
inline constexpr char kDefaultExtension[] = "grd";

// The load-failure message's second line, one per cause.
inline constexpr char kFileUnreadable[] = "ファイルを開けないか、読み取れません";
inline constexpr char kFileTooLarge[] = "ファイルが大きすぎます (16 MiB まで)";
inline constexpr char kUnknownFileFormat[] = "対応している形式のファイルではありません";
inline constexpr char kOutOfMemory[] = "メモリが足りません";
// "<format> の内容を読み取れません", after one of the format names below.
inline constexpr char kContentUnreadable[] = "の内容を読み取れません";
inline constexpr char kVelumbraFormat[] = "Velumbra グラデーション";
inline constexpr char kGrd8Format[] = "8BGR グラデーション";
inline constexpr char kGgrFormat[] = "GIMP グラデーション";
inline constexpr char kSvgFormat[] = "SVG グラデーション";
inline constexpr char kCssFormat[] = "CSS グラデーション";

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
inline constexpr char kMenuReverse[] = "左右反転";
inline constexpr char kMenuDistribute[] = "等間隔に配置";
inline constexpr char kMenuDelete[] = "選択中の分岐点を削除\tDel";
inline constexpr char kMenuReset[] = "初期化";

}  // namespace ui_strings
