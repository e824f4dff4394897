// Every user-interface string of the library, in code page 932 for the
// platform's ANSI entry points. The Japanese text stands beside each.
#pragma once

namespace ui_strings {

inline constexpr char kFilterName[] = "Velumbra";
inline constexpr char kInformation[] = "Velumbra version 0.03 by qorvin";
inline constexpr char kTrackId[] = "ID";
inline constexpr char kLoadButton[] = "\x93\xC7\x8D\x9E";    // 読込
inline constexpr char kSaveButton[] = "\x95\xDB\x91\xB6";    // 保存
inline constexpr char kColorGroup[] = "\x90\x46";            // 色
inline constexpr char kOpacityGroup[] = "\x93\xA7\x89\xDF";  // 透過

inline constexpr char kMessageCaption[] = "Velumbra";
// グラデーションファイルの読み込みに失敗しました
inline constexpr char kLoadFailed[] =
    "\x83\x4F\x83\x89\x83\x66\x81\x5B\x83\x56\x83\x87\x83\x93\x83\x74\x83\x40\x83\x43\x83\x8B"
    "\x82\xCC\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x82\xC9\x8E\xB8\x94\x73\x82\xB5\x82\xDC\x82\xB5"
    "\x82\xBD";
// グラデーションファイルの出力に失敗しました
inline constexpr char kSaveFailed[] =
    "\x83\x4F\x83\x89\x83\x66\x81\x5B\x83\x56\x83\x87\x83\x93\x83\x74\x83\x40\x83\x43\x83\x8B"
    "\x82\xCC\x8F\x6F\x97\xCD\x82\xC9\x8E\xB8\x94\x73\x82\xB5\x82\xDC\x82\xB5\x82\xBD";

// The file dialogs' filter lists: label, pattern, label, pattern, then a
// second NUL ends the list. A loaded file is recognised by its content, so
// the first entry serves the other program's .grd packs as well.
// "Velumbra file(*.grd)", "*.grd",
// "対応するすべてのファイル", "*.grd;*.ggr;*.svg;*.css;*.txt",
// "GIMP グラデーション (*.ggr)", "*.ggr", "SVG (*.svg)", "*.svg",
// "CSS (*.css;*.txt)", "*.css;*.txt", "すべてのファイル(*.*)", "*.*"
inline constexpr char kLoadFileFilter[] =
    "Velumbra file(*.grd)\0*.grd\0"
    "\x91\xCE\x89\x9E\x82\xB7\x82\xE9\x82\xB7\x82\xD7\x82\xC4"
    "\x82\xCC\x83\x74\x83\x40\x83\x43\x83\x8B\0*.grd;*.ggr;*.svg;*.css;*.txt\0"
    "GIMP \x83\x4F\x83\x89\x83\x66\x81\x5B\x83\x56\x83\x87\x83\x93 (*.ggr)\0*.ggr\0"
    "SVG (*.svg)\0*.svg\0"
    "CSS (*.css;*.txt)\0*.css;*.txt\0"
    "\x82\xB7\x82\xD7\x82\xC4\x82\xCC\x83\x74\x83\x40\x83\x43\x83\x8B(*.*)\0*.*\0";
// The entry chosen here decides the format written (see SaveTargetFor).
// "Velumbra file(*.grd)", "*.grd", "GIMP グラデーション (*.ggr)", "*.ggr",
// "SVG (*.svg)", "*.svg", "CSS (*.css)", "*.css", "すべてのファイル(*.*)", "*.*"
inline constexpr char kSaveFileFilter[] =
    "Velumbra file(*.grd)\0*.grd\0"
    "GIMP \x83\x4F\x83\x89\x83\x66\x81\x5B\x83\x56\x83\x87\x83\x93 (*.ggr)\0*.ggr\0"
    "SVG (*.svg)\0*.svg\0"
    "CSS (*.css)\0*.css\0"
    "\x82\xB7\x82\xD7\x82\xC4\x82\xCC\x83\x74\x83\x40\x83\x43\x83\x8B(*.*)\0*.*\0";
inline constexpr char kDefaultExtension[] = "grd";

// The load-failure message's second line, one per cause.
// ファイルを開けないか、読み取れません
inline constexpr char kFileUnreadable[] =
    "\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xF0\x8A\x4A\x82\xAF\x82\xC8\x82\xA2\x82\xA9\x81\x41"
    "\x93\xC7\x82\xDD\x8E\xE6\x82\xEA\x82\xDC\x82\xB9\x82\xF1";
// ファイルが大きすぎます (16 MiB まで)
inline constexpr char kFileTooLarge[] =
    "\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xAA\x91\xE5\x82\xAB\x82\xB7\x82\xAC\x82\xDC\x82\xB7"
    " (16 MiB \x82\xDC\x82\xC5)";
// 対応している形式のファイルではありません
inline constexpr char kUnknownFileFormat[] =
    "\x91\xCE\x89\x9E\x82\xB5\x82\xC4\x82\xA2\x82\xE9\x8C\x60\x8E\xAE\x82\xCC\x83\x74\x83\x40"
    "\x83\x43\x83\x8B\x82\xC5\x82\xCD\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1";
// メモリが足りません
inline constexpr char kOutOfMemory[] =
    "\x83\x81\x83\x82\x83\x8A\x82\xAA\x91\xAB\x82\xE8\x82\xDC\x82\xB9\x82\xF1";
// "<format> の内容を読み取れません", after one of the format names below.
inline constexpr char kContentUnreadable[] =
    "\x82\xCC\x93\xE0\x97\x65\x82\xF0\x93\xC7\x82\xDD\x8E\xE6\x82\xEA\x82\xDC\x82\xB9\x82\xF1";
// Velumbra グラデーション, 8BGR グラデーション, GIMP グラデーション,
// SVG グラデーション, CSS グラデーション
inline constexpr char kVelumbraFormat[] =
    "Velumbra \x83\x4F\x83\x89\x83\x66\x81\x5B\x83\x56\x83\x87\x83\x93";
inline constexpr char kGrd8Format[] =
    "8BGR \x83\x4F\x83\x89\x83\x66\x81\x5B\x83\x56\x83\x87\x83\x93";
inline constexpr char kGgrFormat[] =
    "GIMP \x83\x4F\x83\x89\x83\x66\x81\x5B\x83\x56\x83\x87\x83\x93";
inline constexpr char kSvgFormat[] = "SVG \x83\x4F\x83\x89\x83\x66\x81\x5B\x83\x56\x83\x87\x83\x93";
inline constexpr char kCssFormat[] = "CSS \x83\x4F\x83\x89\x83\x66\x81\x5B\x83\x56\x83\x87\x83\x93";

// After a path the save dialog did not ask about (an extension was added).
// " は既にあります。\r\n置き換えますか?"
inline constexpr char kReplaceQuestion[] =
    " \x82\xCD\x8A\xF9\x82\xC9\x82\xA0\x82\xE8\x82\xDC\x82\xB7\x81\x42\r\n"
    "\x92\x75\x82\xAB\x8A\xB7\x82\xA6\x82\xDC\x82\xB7\x82\xA9?";

// The chooser of one gradient from a file of several.
// グラデーションの選択
inline constexpr char kChooserTitle[] =
    "\x83\x4F\x83\x89\x83\x66\x81\x5B\x83\x56\x83\x87\x83\x93\x82\xCC\x91\x49\x91\xF0";
// 読み込むグラデーションを選んでください
inline constexpr char kChooserPrompt[] =
    "\x93\xC7\x82\xDD\x8D\x9E\x82\xDE\x83\x4F\x83\x89\x83\x66\x81\x5B\x83\x56\x83\x87\x83\x93"
    "\x82\xF0\x91\x49\x82\xF1\x82\xC5\x82\xAD\x82\xBE\x82\xB3\x82\xA2";
inline constexpr char kChooserOk[] = "OK";
inline constexpr char kChooserCancel[] = "\x83\x4C\x83\x83\x83\x93\x83\x5A\x83\x8B";  // キャンセル

// The canvas's context menu; a tab sets the key apart.
inline constexpr char kMenuUndo[] =
    "\x8C\xB3\x82\xC9\x96\xDF\x82\xB7"
    "\tCtrl+Z";  // 元に戻す
inline constexpr char kMenuRedo[] =
    "\x82\xE2\x82\xE8\x92\xBC\x82\xB5"
    "\tCtrl+Y";  // やり直し
inline constexpr char kMenuCopy[] =
    "\x83\x52\x83\x73\x81\x5B"
    "\tCtrl+C";  // コピー
inline constexpr char kMenuPaste[] =
    "\x93\x5C\x82\xE8\x95\x74\x82\xAF"
    "\tCtrl+V";                                                             // 貼り付け
inline constexpr char kMenuReverse[] = "\x8D\xB6\x89\x45\x94\xBD\x93\x5D";  // 左右反転
// 等間隔に配置
inline constexpr char kMenuDistribute[] = "\x93\x99\x8A\xD4\x8A\x75\x82\xC9\x94\x7A\x92\x75";
// 選択中の分岐点を削除
inline constexpr char kMenuDelete[] =
    "\x91\x49\x91\xF0\x92\x86\x82\xCC\x95\xAA\x8A\xF2\x93\x5F\x82\xF0\x8D\xED\x8F\x9C"
    "\tDel";
inline constexpr char kMenuReset[] = "\x8F\x89\x8A\xFA\x89\xBB";  // 初期化

}  // namespace ui_strings
