#include <gtest/gtest.h>

#include <string>

#include "cp932_decode.h"
#include "filter/ui_strings.h"

namespace {

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
