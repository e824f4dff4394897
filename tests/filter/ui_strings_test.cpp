#include "filter/ui_strings.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace {

std::string FromCp932(const char* text) {
  iconv_t convert = iconv_open("UTF-8", "CP932");
  if (convert == reinterpret_cast<iconv_t>(-1)) return "(no CP932 converter)";
  std::string in(text), out(in.size() * 3, '\0');
  char* from = in.data();
  char* to = out.data();
  size_t left = in.size(), room = out.size();
  const size_t result = iconv(convert, &from, &left, &to, &room);
  iconv_close(convert);
  if (result == static_cast<size_t>(-1)) return "(invalid CP932)";
  out.resize(out.size() - room);
  return out;
}

// Decoded by the C library, so a mistyped escape cannot pass.
TEST(UiStrings, Cp932BytesSpellTheJapaneseText) {
  struct Case {
    const char* cp932;
    const char* utf8;
  } cases[] = {
      {ui_strings::kLoadButton, "読込"},
      {ui_strings::kSaveButton, "保存"},
      {ui_strings::kColorGroup, "色"},
      {ui_strings::kOpacityGroup, "透過"},
      {ui_strings::kLoadFailed, "グラデーションファイルの読み込みに失敗しました"},
      {ui_strings::kSaveFailed, "グラデーションファイルの出力に失敗しました"},
      {ui_strings::kFileFilter + sizeof("Velumbra file(*.grd)") + sizeof("*.grd"),
       "すべてのファイル(*.*)"},
  };
  for (const Case& c : cases) EXPECT_EQ(FromCp932(c.cp932), c.utf8);
}

TEST(UiStrings, FileFilterIsDoublyTerminatedPairs) {
  const char* piece = ui_strings::kFileFilter;
  std::string pieces[4];
  for (std::string& p : pieces) {
    p = piece;
    piece += p.size() + 1;
  }
  EXPECT_EQ(pieces[0], "Velumbra file(*.grd)");
  EXPECT_EQ(pieces[1], "*.grd");
  EXPECT_EQ(pieces[2].substr(pieces[2].size() - 5), "(*.*)");
  EXPECT_EQ(pieces[3], "*.*");
  EXPECT_EQ(*piece, '\0');
}

}  // namespace
