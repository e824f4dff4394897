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

// The host program's own strings (tools/host).
namespace ui_strings::host {

inline constexpr char kMenuFile[] =
    "\x83t\x83@\x83"
    "C\x83\x8B(&F)";  // ファイル(&F)
// プロジェクトを開く(&O)...
inline constexpr char kMenuLoadProject[] =
    "\x83v\x83\x8D\x83W\x83"
    "F\x83N\x83g\x82\xF0\x8A"
    "J\x82\xAD(&O)...";
// プロジェクトを保存(&S)...
inline constexpr char kMenuSaveProject[] =
    "\x83v\x83\x8D\x83W\x83"
    "F\x83N\x83g\x82\xF0\x95\xDB\x91\xB6(&S)...";
// Luaスクリプトを実行(&R)...
inline constexpr char kMenuRunScript[] =
    "Lua\x83X\x83N\x83\x8A\x83v\x83g\x82\xF0\x8E\xC0\x8Ds(&R)...";
inline constexpr char kMenuExit[] = "\x8FI\x97\xB9(&X)";  // 終了(&X)

// "プロジェクトデータ(*.dat)", "*.dat", "すべてのファイル(*.*)", "*.*"
inline constexpr char kProjectFileFilter[] =
    "\x83v\x83\x8D\x83W\x83"
    "F\x83N\x83g\x83"
    "f\x81[\x83^(*.dat)\0*.dat\0"
    "\x82\xB7\x82\xD7\x82\xC4\x82\xCC\x83t\x83@\x83"
    "C\x83\x8B(*.*)\0*.*\0";
inline constexpr char kProjectExtension[] = "dat";
// "Luaスクリプト(*.lua)", "*.lua", "すべてのファイル(*.*)", "*.*"
inline constexpr char kScriptFileFilter[] =
    "Lua\x83X\x83N\x83\x8A\x83v\x83g(*.lua)\0*.lua\0"
    "\x82\xB7\x82\xD7\x82\xC4\x82\xCC\x83t\x83@\x83"
    "C\x83\x8B(*.*)\0*.*\0";

// Diagnostics also go to the console, so they are kept in ASCII.
inline constexpr char kMessageCaption[] = "Velumbra host";

}  // namespace ui_strings::host
