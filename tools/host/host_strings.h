// The host program's user-interface strings, in code page 932 for the
// platform's ANSI entry points. The Japanese text stands beside each. The
// library's own strings are in src/filter/ui_strings.h.
#pragma once

namespace host_strings {

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

}  // namespace host_strings
