// The host program's user-interface strings, in UTF-8 source that the
// compiler writes as code page 932, like the library's own strings in
// src/filter/ui_strings.h.
#pragma once

namespace host_strings {

inline constexpr char kMenuFile[] = "ファイル(&F)";
inline constexpr char kMenuLoadProject[] = "プロジェクトを開く(&O)...";
inline constexpr char kMenuSaveProject[] = "プロジェクトを保存(&S)...";
inline constexpr char kMenuRunScript[] = "Luaスクリプトを実行(&R)...";
inline constexpr char kMenuExit[] = "終了(&X)";

inline constexpr char kProjectFileFilter[] =
    "プロジェクトデータ(*.dat)\0*.dat\0"
    "すべてのファイル(*.*)\0*.*\0";
inline constexpr char kProjectExtension[] = "dat";
inline constexpr char kScriptFileFilter[] =
    "Luaスクリプト(*.lua)\0*.lua\0"
    "すべてのファイル(*.*)\0*.*\0";

// Diagnostics also go to the console, so they are kept in ASCII.
inline constexpr char kMessageCaption[] = "Velumbra host";

}  // namespace host_strings
