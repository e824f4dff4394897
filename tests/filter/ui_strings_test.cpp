#include <gtest/gtest.h>

#include <string>
#include <vector>

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
      {ui_strings::kFileUnreadable, "ファイルを開けないか、読み取れません"},
      {ui_strings::kFileTooLarge, "ファイルが大きすぎます (16 MiB まで)"},
      {ui_strings::kUnknownFileFormat, "対応している形式のファイルではありません"},
      {ui_strings::kOutOfMemory, "メモリが足りません"},
      {ui_strings::kContentUnreadable, "の内容を読み取れません"},
      {ui_strings::kVelumbraFormat, "Velumbra グラデーション"},
      {ui_strings::kGrd8Format, "8BGR グラデーション"},
      {ui_strings::kGgrFormat, "GIMP グラデーション"},
      {ui_strings::kSvgFormat, "SVG グラデーション"},
      {ui_strings::kCssFormat, "CSS グラデーション"},
      {ui_strings::kReplaceQuestion, " は既にあります。\r\n置き換えますか?"},
      {ui_strings::kChooserTitle, "グラデーションの選択"},
      {ui_strings::kChooserPrompt, "読み込むグラデーションを選んでください"},
      {ui_strings::kChooserCancel, "キャンセル"},
      {ui_strings::kMenuUndo, "元に戻す\tCtrl+Z"},
      {ui_strings::kMenuRedo, "やり直し\tCtrl+Y"},
      {ui_strings::kMenuCopy, "コピー\tCtrl+C"},
      {ui_strings::kMenuPaste, "貼り付け\tCtrl+V"},
      {ui_strings::kMenuReverse, "左右反転"},
      {ui_strings::kMenuDistribute, "等間隔に配置"},
      {ui_strings::kMenuDelete, "選択中の分岐点を削除\tDel"},
      {ui_strings::kMenuReset, "初期化"},
  };
  for (const Case& c : cases) EXPECT_EQ(FromCp932(c.cp932), c.utf8);
}

// Label and pattern pairs up to the second NUL, decoded.
std::vector<std::string> Pieces(const char* list) {
  std::vector<std::string> pieces;
  for (const char* piece = list; *piece != '\0'; piece += pieces.back().size() + 1) {
    pieces.push_back(piece);
  }
  for (std::string& piece : pieces) piece = FromCp932(piece);
  return pieces;
}

TEST(UiStrings, FileFiltersAreDoublyTerminatedPairs) {
  EXPECT_EQ(
      Pieces(ui_strings::kLoadFileFilter),
      (std::vector<std::string>{"Velumbra file(*.grd)", "*.grd", "対応するすべてのファイル",
                                "*.grd;*.ggr;*.svg;*.css;*.txt", "GIMP グラデーション (*.ggr)",
                                "*.ggr", "SVG (*.svg)", "*.svg", "CSS (*.css;*.txt)", "*.css;*.txt",
                                "すべてのファイル(*.*)", "*.*"}));
  EXPECT_EQ(Pieces(ui_strings::kSaveFileFilter),
            (std::vector<std::string>{
                "Velumbra file(*.grd)", "*.grd", "GIMP グラデーション (*.ggr)", "*.ggr",
                "SVG (*.svg)", "*.svg", "CSS (*.css)", "*.css", "すべてのファイル(*.*)", "*.*"}));
}

}  // namespace
