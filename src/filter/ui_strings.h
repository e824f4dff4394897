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

// The file dialogs' filter list: label, pattern, label, pattern, then a
// second NUL ends the list.
// "Velumbra file(*.grd)", "*.grd", "すべてのファイル(*.*)", "*.*"
inline constexpr char kFileFilter[] =
    "Velumbra file(*.grd)\0*.grd\0"
    "\x82\xB7\x82\xD7\x82\xC4\x82\xCC\x83\x74\x83\x40\x83\x43\x83\x8B(*.*)\0*.*\0";
inline constexpr char kDefaultExtension[] = "grd";

}  // namespace ui_strings
