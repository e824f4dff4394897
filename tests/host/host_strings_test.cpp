// The host program's menu and dialog strings, decoded by the C library.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/cp932_decode.h"
#include "host_strings.h"

namespace {

// The NUL-separated pieces of a dialog filter list, which must end in two NULs.
std::vector<std::string> Pieces(const char* list, size_t size) {
  std::vector<std::string> pieces;
  const char* end = list + size;
  for (const char* piece = list; piece < end && *piece != '\0'; piece += pieces.back().size() + 1) {
    pieces.emplace_back(piece);
  }
  return pieces;
}

TEST(HostStrings, MenuCaptionsSpellTheJapaneseText) {
  namespace text = host_strings;
  struct Case {
    const char* cp932;
    const char* utf8;
  } cases[] = {
      {text::kMenuFile, u8"ファイル(&F)"},
      {text::kMenuLoadProject, u8"プロジェクトを開く(&O)..."},
      {text::kMenuSaveProject, u8"プロジェクトを保存(&S)..."},
      {text::kMenuRunScript, u8"Luaスクリプトを実行(&R)..."},
      {text::kMenuExit, u8"終了(&X)"},
  };
  for (const Case& c : cases) EXPECT_EQ(FromCp932(c.cp932), c.utf8);
}

TEST(HostStrings, FileFiltersArePairsEndingInTwoNuls) {
  namespace text = host_strings;
  struct Case {
    const char* list;
    size_t size;
    std::vector<std::string> utf8;
  } cases[] = {
      {text::kProjectFileFilter,
       sizeof text::kProjectFileFilter,
       {u8"プロジェクトデータ(*.dat)", "*.dat", u8"すべてのファイル(*.*)", "*.*"}},
      {text::kScriptFileFilter,
       sizeof text::kScriptFileFilter,
       {u8"Luaスクリプト(*.lua)", "*.lua", u8"すべてのファイル(*.*)", "*.*"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> decoded;
    for (const std::string& piece : Pieces(c.list, c.size)) decoded.push_back(FromCp932(piece));
    EXPECT_EQ(decoded, c.utf8);
    // The list's own terminator plus the literal's: two NULs after the last piece.
    EXPECT_EQ(c.list[c.size - 1], '\0');
    EXPECT_EQ(c.list[c.size - 2], '\0');
  }
}

}  // namespace
