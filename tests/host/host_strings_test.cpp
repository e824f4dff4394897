// The host program's menu and dialog strings, decoded by the C library.
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>
#include <vector>

#include "filter/ui_strings.h"

namespace {

std::string FromCp932(const std::string& in) {
  iconv_t convert = iconv_open("UTF-8", "CP932");
  if (convert == reinterpret_cast<iconv_t>(-1)) return "(no CP932 converter)";
  std::string source(in), out(in.size() * 3, '\0');
  char* from = source.data();
  char* to = out.data();
  size_t left = source.size(), room = out.size();
  const size_t result = iconv(convert, &from, &left, &to, &room);
  iconv_close(convert);
  if (result == static_cast<size_t>(-1)) return "(invalid CP932)";
  out.resize(out.size() - room);
  return out;
}

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
  namespace text = ui_strings::host;
  struct Case {
    const char* cp932;
    const char* utf8;
  } cases[] = {
      {text::kMenuFile, "ファイル(&F)"},
      {text::kMenuLoadProject, "プロジェクトを開く(&O)..."},
      {text::kMenuSaveProject, "プロジェクトを保存(&S)..."},
      {text::kMenuRunScript, "Luaスクリプトを実行(&R)..."},
      {text::kMenuExit, "終了(&X)"},
  };
  for (const Case& c : cases) EXPECT_EQ(FromCp932(c.cp932), c.utf8);
}

TEST(HostStrings, FileFiltersArePairsEndingInTwoNuls) {
  namespace text = ui_strings::host;
  struct Case {
    const char* list;
    size_t size;
    std::vector<std::string> utf8;
  } cases[] = {
      {text::kProjectFileFilter,
       sizeof text::kProjectFileFilter,
       {"プロジェクトデータ(*.dat)", "*.dat", "すべてのファイル(*.*)", "*.*"}},
      {text::kScriptFileFilter,
       sizeof text::kScriptFileFilter,
       {"Luaスクリプト(*.lua)", "*.lua", "すべてのファイル(*.*)", "*.*"}},
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
