#include <gtest/gtest.h>

#include <string>

#include "cp932_decode.h"
#include "editor/ui_strings.h"
#include "interchange/gradient_formats.h"

namespace {

// Decoded by the C library, so a mistyped escape cannot pass.
TEST(UiStrings, Cp932BytesSpellTheJapaneseText) {
  struct Case {
    const char* cp932;
    const char* utf8;
  } cases[] = {
      {ui_strings::kLoadButton, u8"読込"},
      {ui_strings::kSaveButton, u8"保存"},
      {ui_strings::kColorGroup, u8"色"},
      {ui_strings::kOpacityGroup, u8"透過"},
      {ui_strings::kLoadFailed, u8"グラデーションファイルの読み込みに失敗しました"},
      {ui_strings::kSaveFailed, u8"グラデーションファイルの出力に失敗しました"},
      {ui_strings::kFileUnreadable, u8"ファイルを開けないか、読み取れません"},
      {ui_strings::kFileTooLarge, u8"ファイルが大きすぎます (%s MiB まで)"},
      {ui_strings::kUnknownFileFormat, u8"対応している形式のファイルではありません"},
      {ui_strings::kOutOfMemory, u8"メモリが足りません"},
      {ui_strings::kContentUnreadable, u8"の内容を読み取れません"},
      {FormatRow(GradientFormat::VelumbraRecord)->label, u8"Velumbra グラデーション"},
      {FormatRow(GradientFormat::Grd8)->label, u8"8BGR グラデーション"},
      {FormatRow(GradientFormat::Ggr)->label, u8"GIMP グラデーション"},
      {FormatRow(GradientFormat::Svg)->label, u8"SVG グラデーション"},
      {FormatRow(GradientFormat::Css)->label, u8"CSS グラデーション"},
      {FormatRow(GradientFormat::Png)->label, u8"画像"},
      {FormatRow(GradientFormat::Png)->fileTypeLabel, u8"画像 (%s)"},
      {ui_strings::kEverySupportedFile, u8"対応するすべてのファイル"},
      {ui_strings::kAllFiles, u8"すべてのファイル(%s)"},
      {ui_strings::kReplaceQuestion, u8" は既にあります。\r\n置き換えますか?"},
      {ui_strings::kChooserTitle, u8"グラデーションの選択"},
      {ui_strings::kChooserPrompt, u8"読み込むグラデーションを選んでください"},
      {ui_strings::kChooserCancel, u8"キャンセル"},
      {ui_strings::kMenuUndo, u8"元に戻す\tCtrl+Z"},
      {ui_strings::kMenuRedo, u8"やり直し\tCtrl+Y"},
      {ui_strings::kMenuCopy, u8"コピー\tCtrl+C"},
      {ui_strings::kMenuPaste, u8"貼り付け\tCtrl+V"},
      {ui_strings::kMenuEyedropper, u8"スポイト\tI"},
      {ui_strings::kMenuReverse, u8"左右反転"},
      {ui_strings::kMenuDistribute, u8"等間隔に配置"},
      {ui_strings::kMenuDelete, u8"選択中の分岐点を削除\tDel"},
      {ui_strings::kMenuReset, u8"初期化"},
      {ui_strings::kMenuPresets, u8"プリセット"},
  };
  for (const Case& c : cases) EXPECT_EQ(FromCp932(c.cp932), c.utf8);
}

}  // namespace
