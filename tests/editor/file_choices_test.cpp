#include "editor/file_choices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cp932_decode.h"

namespace {

TEST(FileChoices, LoadFailureNamesTheCauseOnASecondLine) {
  const std::string brokenGgr = "GIMP Gradient\nName: x\n1\n0 0.5 1 bad\n";
  const ImportResult ggr = ImportGradients(brokenGgr);
  ASSERT_EQ(ggr.problem, ImportProblem::Invalid);
  const struct {
    ImportResult result;
    std::string cause;
  } cases[] = {
      {ggr, u8"GIMP グラデーションの内容を読み取れません (" + ggr.error + ")"},
      {ImportGradients("<svg xmlns='http://www.w3.org/2000/svg'/>"),
       u8"SVG グラデーションの内容を読み取れません (SVG gradient: no <linearGradient> or "
       "<radialGradient>)"},
      {ImportGradients("not a gradient at all"), u8"対応している形式のファイルではありません"},
      {ImportGradients(std::string(kMaxInterchangeBytes + 1, ' ')),
       u8"ファイルが大きすぎます (16 MiB まで)"},
      {ImportGradientFile("/no/such/folder/x.ggr"), u8"ファイルを開けないか、読み取れません"},
      // Pictures: their own limit, and the decoder's refusal as the detail.
      {ImportFailure(GradientFormat::Jpeg, ImportProblem::TooLarge, "x"),
       u8"ファイルが大きすぎます (256 MiB まで)"},
      {ImportGradients(std::string("\x89PNG\r\n\x1A\n", 8) + "cut"),
       u8"画像の内容を読み取れません (PNG picture: not a PNG, JPEG, BMP, GIF or TGA picture, or "
       "its header is damaged)"},
      {ImportFailure(GradientFormat::Unknown, ImportProblem::OutOfMemory, "x"),
       u8"メモリが足りません"},
      // The reader's detail may quote the file: only ASCII passes into code page 932.
      {ImportFailure(GradientFormat::Css, ImportProblem::Invalid,
                     "CSS gradient: caf\xC3\xA9 au lait\n"),
       u8"CSS グラデーションの内容を読み取れません (CSS gradient: caf?? au lait?)"},
      {ImportFailure(GradientFormat::Grd8, ImportProblem::Invalid, ""),
       u8"8BGR グラデーションの内容を読み取れません"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.result.error);
    EXPECT_EQ(FromCp932(LoadFailureMessage(c.result)),
              u8"グラデーションファイルの読み込みに失敗しました\r\n" + c.cause);
  }
}

TEST(FileChoices, ChooserLabelsAreOneLineEachAndNeverEmpty) {
  std::vector<ImportedGradient> gradients(4);
  gradients[0].name = "\xCE\xA9mega";  // Ωmega stays UTF-8
  gradients[2].name = "a\tb\r\nc";
  gradients[3].name = "  ";
  EXPECT_EQ(ChooserLabels(gradients),
            (std::vector<std::string>{"\xCE\xA9mega", "#2", "a b  c", "#4"}));
}

TEST(FileChoices, SaveTypeDecidesFormatAndMissingExtension) {
  const struct {
    const char* typed;
    unsigned long filterIndex;
    const char* path;
    GradientFormat format;
    bool added;
  } cases[] = {
      // The first entry: the dialog adds "grd" itself, as it always did.
      {"C:\\a\\b", 1, "C:\\a\\b", GradientFormat::VelumbraRecord, false},
      {"C:\\a\\b.svg", 1, "C:\\a\\b.svg", GradientFormat::VelumbraRecord, false},
      {"C:\\a\\b.ggr", 2, "C:\\a\\b.ggr", GradientFormat::Ggr, false},
      {"C:\\a\\b.GGR", 2, "C:\\a\\b.GGR", GradientFormat::Ggr, false},
      {"C:\\a\\b", 2, "C:\\a\\b.ggr", GradientFormat::Ggr, true},
      {"C:\\a\\b.grd", 3, "C:\\a\\b.grd.svg", GradientFormat::Svg, true},
      {"C:\\v1.2\\b", 4, "C:\\v1.2\\b.css", GradientFormat::Css, true},
      {"C:\\a\\b.txt", 4, "C:\\a\\b.txt", GradientFormat::Css, false},
      // "*.*" goes by what was typed.
      {"C:\\a\\b.svg", 5, "C:\\a\\b.svg", GradientFormat::Svg, false},
      {"C:\\a\\b.xyz", 5, "C:\\a\\b.xyz", GradientFormat::VelumbraRecord, false},
      // No entry of the list (a custom filter has 0): as the first.
      {"C:\\a\\b", 0, "C:\\a\\b", GradientFormat::VelumbraRecord, false},
      {"C:\\a\\b", 9, "C:\\a\\b", GradientFormat::VelumbraRecord, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " " + std::to_string(c.filterIndex));
    const SaveTarget target = SaveTargetFor(c.typed, c.filterIndex);
    EXPECT_EQ(target.path, c.path);
    EXPECT_EQ(target.format, c.format);
    EXPECT_EQ(target.extensionAdded, c.added);
  }
}

// Label and pattern pairs up to the second NUL, decoded.
std::vector<std::string> Pieces(const std::string& list) {
  std::vector<std::string> pieces;
  for (const char* piece = list.c_str(); *piece != '\0'; piece += pieces.back().size() + 1) {
    pieces.push_back(piece);
  }
  for (std::string& piece : pieces) piece = FromCp932(piece);
  return pieces;
}

TEST(FileChoices, FileFiltersAreDoublyTerminatedPairs) {
  for (const std::string& list : {LoadFileFilter(), SaveFileFilter()}) {
    ASSERT_GE(list.size(), 2u);
    EXPECT_EQ(list.substr(list.size() - 2), std::string(2, '\0'));
  }
  EXPECT_EQ(Pieces(LoadFileFilter()),
            (std::vector<std::string>{
                "Velumbra file(*.grd)", "*.grd", u8"対応するすべてのファイル",
                "*.grd;*.ggr;*.svg;*.css;*.txt;*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.tga",
                u8"GIMP グラデーション (*.ggr)", "*.ggr", "SVG (*.svg)", "*.svg",
                "CSS (*.css;*.txt)", "*.css;*.txt", u8"画像 (*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.tga)",
                "*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.tga", u8"すべてのファイル(*.*)", "*.*"}));
  EXPECT_EQ(Pieces(SaveFileFilter()),
            (std::vector<std::string>{
                "Velumbra file(*.grd)", "*.grd", u8"GIMP グラデーション (*.ggr)", "*.ggr",
                "SVG (*.svg)", "*.svg", "CSS (*.css)", "*.css", u8"すべてのファイル(*.*)", "*.*"}));
  EXPECT_STREQ(SaveDefaultExtension(), "grd");
}

// The format of each save entry is the one its pattern's files are read as,
// so the dialog's list and the writer cannot drift apart.
TEST(FileChoices, SaveEntriesWriteWhatTheirPatternsName) {
  const std::string list = SaveFileFilter();
  const char* piece = list.c_str();
  for (unsigned long index = 1; *piece != '\0'; ++index) {
    const std::string label = piece;
    piece += label.size() + 1;
    const std::string pattern = piece;
    piece += pattern.size() + 1;
    SCOPED_TRACE(pattern);
    const std::string file = "x" + pattern.substr(1);
    const std::optional<GradientFormat> named = ExportFormatForPath(file);
    if (pattern == "*.*") {
      EXPECT_EQ(SaveTargetFor(file, index).format, GradientFormat::VelumbraRecord);
      EXPECT_EQ(SaveTargetFor("x.css", index).format, GradientFormat::Css);
    } else {
      ASSERT_TRUE(named.has_value());
      EXPECT_EQ(SaveTargetFor(file, index).format, *named);
      EXPECT_EQ(SaveTargetFor("x", index).path, index == 1 ? "x" : file);
    }
  }
}

}  // namespace
