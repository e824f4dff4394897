// Writes the fuzz targets' seed inputs with the library's own writers and the
// tests' 8BGR writer: write_seeds <folder> fills <folder>/read_gradation_bytes,
// <folder>/load_project_data, <folder>/read_grd8, <folder>/read_ggr,
// <folder>/read_css and <folder>/read_svg, and puts every gradient file also
// into <folder>/import_gradients; tiny pictures go to <folder>/read_picture.
#include <stb/stb_image_write.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "interchange/css_format.h"
#include "interchange/ggr_format.h"
#include "interchange/gradient_files.h"
#include "interchange/svg_format.h"
#include "model/banks.h"
#include "persist/gradation_bytes.h"
#include "persist/project_block.h"
#include "support/grd8_writer.h"

namespace {

bool Put(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

bool Put(const std::string& path, const std::string& text) {
  return Put(path, std::vector<uint8_t>(text.begin(), text.end()));
}

// A gradient file: into its reader's folder and the import facade's.
template <typename Bytes>
bool PutFile(const std::string& root, const std::string& reader, const std::string& name,
             const Bytes& bytes) {
  return Put(root + "/" + reader + "/" + name, bytes) &&
         Put(root + "/import_gradients/" + reader + "-" + name, bytes);
}

std::vector<uint8_t> Record(const GradationData& gradation) {
  std::vector<uint8_t> bytes(WriteGradationBytes(gradation, nullptr));
  WriteGradationBytes(gradation, bytes.data());
  return bytes;
}

std::vector<uint8_t> Block(const GradationData (&bank)[kBankSize], uint16_t count) {
  std::vector<uint8_t> bytes(static_cast<size_t>(ProjectBlockLength(bank)));
  WriteProjectBlock(bank, bytes.data());
  bytes[0] = static_cast<uint8_t>(count);
  bytes[1] = static_cast<uint8_t>(count >> 8);
  return bytes;
}

// Written as the stops stand, so the reader meets unsorted, out-of-range and
// tied positions.
GradationData Unsorted() {
  GradationData gradation;
  const float positions[] = {80.0f, -5.0f, 250.0f, 20.0f, 50.0f, 50.0f};
  for (int i = 0; i < 6; ++i) {
    gradation.colorStops.push_back(
        ColorStop{0, positions[i], true, static_cast<uint8_t>(40 * i), 7, 200});
    gradation.alphaStops.push_back(AlphaStop{0, positions[5 - i], true, 50.0f * i});
  }
  return gradation;
}

// A jump in colour and a dip in opacity, in the editor's order.
GradationData Edged() {
  GradationData gradation;
  AddColorStop(gradation, 0.0f, Rgb{0, 0, 0});
  AddColorStop(gradation, 50.0f, Rgb{255, 0, 0});
  AddColorStop(gradation, 50.0f, Rgb{0, 0, 255});
  AddColorStop(gradation, 100.0f, Rgb{255, 255, 255});
  AddAlphaStop(gradation, 0.0f, 100.0f);
  AddAlphaStop(gradation, 60.0f, 20.0f);
  AddAlphaStop(gradation, 100.0f, 100.0f);
  return gradation;
}

// Stop lists for the text writers: plain, a hard edge with translucency,
// channels between 8-bit values, a single stop, and none.
std::vector<std::vector<LinearStop>> StopLists() {
  const SourceColor black{0, 0, 0, 1}, white{1, 1, 1, 1};
  std::vector<LinearStop> rainbow;
  for (int i = 0; i <= 6; ++i) {
    const double x = i / 6.0;
    rainbow.push_back(LinearStop{x, SourceColor{1 - x, x * x, 0.123456789 * i, 0.5 + x / 2}});
  }
  return {
      {{0.0, black}, {1.0, white}},
      {{0.0, SourceColor{1, 0, 0, 1}},
       {0.4, SourceColor{0, 0, 1, 0.5}},
       {0.4, SourceColor{0, 1, 0, 1}},
       {1.0, SourceColor{1, 1, 1, 0}}},
      rainbow,
      {{0.3, SourceColor{0.2, 0.4, 0.6, 0.8}}},
      {},
  };
}

}  // namespace

// 8BGR packs touching every value type, colour model and stop kind; in the
// writer's namespace, whose Rgb and ColorStop are not the model's.
namespace grd8 {
namespace {

std::vector<uint8_t> AsBytes(const std::string& text) {
  return std::vector<uint8_t>(text.begin(), text.end());
}

std::vector<uint8_t> EveryColorPack() {
  const std::string colors[] = {
      Rgb(255, 128, 0),
      Objc("HSBC",
           {Item("H   ", UntF("#Ang", 120)), Item("Strt", Doub(100)), Item("Brgh", Long(50))}),
      Objc("Grsc", {Item("Gry ", Doub(25))}),
      Objc("CMYC", {Item("Cyn ", Doub(50)), Item("Mgnt", Doub(0)), Item("Ylw ", Doub(0)),
                    Item("Blck", Doub(50))}),
      Objc("LbCl", {Item("Lmnc", Doub(50)), Item("A   ", Doub(20)), Item("B   ", Doub(-20))}),
      Objc("BkCl",
           {Item("Bk  ", Text(u"Book")), Item("bookKey", Tdta("K1")), Item("Clr ", Rgb(1, 2, 3))}),
  };
  Gradient every{u"Every colour", {}, {OpacityStop{100, 0}, OpacityStop{0, 4096, 30}}};
  int32_t location = 0;
  for (const std::string& color : colors) {
    every.colors.push_back(ColorStop{color, location, 40});
    location += 800;
  }
  Gradient ends{u"$$$/Presets/Ends=Ends",
                {ColorStop{"", 0, 50, "FrgC"}, ColorStop{"", 2048, 50, "BckC"},
                 ColorStop{Rgb(0, 0, 255), 2048}},
                {}};
  ends.smoothness = 1024;
  return AsBytes(Pack({every, Gradient{u"Fuzz", {}, {}, "ClNs"}, ends}));
}

std::vector<uint8_t> PlainPack() {
  return AsBytes(Pack({Gradient{
      u"Plain", {ColorStop{Rgb(0, 0, 0)}, ColorStop{Rgb(255, 255, 255), 4096}}, {OpacityStop{}}}}));
}

}  // namespace
}  // namespace grd8

namespace {

void Append(void* context, void* data, int size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  static_cast<std::vector<uint8_t>*>(context)->insert(
      static_cast<std::vector<uint8_t>*>(context)->end(), bytes, bytes + size);
}

// A 5 x 3 picture of every format stb writes, with partly clear pixels, and a
// 1 x 1 GIF by hand; also into the import facade's folder.
bool PutPictures(const std::string& root) {
  constexpr int kWidth = 5;
  constexpr int kHeight = 3;
  std::vector<uint8_t> rgba;
  for (int i = 0; i < kWidth * kHeight; ++i) {
    rgba.insert(rgba.end(), {static_cast<uint8_t>(i * 17), static_cast<uint8_t>(255 - i * 9),
                             static_cast<uint8_t>(i * i), static_cast<uint8_t>(i % 4 ? 255 : i)});
  }
  std::vector<uint8_t> png, bmp, tga, jpg;
  const bool written =
      stbi_write_png_to_func(Append, &png, kWidth, kHeight, 4, rgba.data(), kWidth * 4) != 0 &&
      stbi_write_bmp_to_func(Append, &bmp, kWidth, kHeight, 4, rgba.data()) != 0 &&
      stbi_write_tga_to_func(Append, &tga, kWidth, kHeight, 4, rgba.data()) != 0 &&
      stbi_write_jpg_to_func(Append, &jpg, kWidth, kHeight, 4, rgba.data(), 90) != 0;
  const std::vector<uint8_t> gif = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01,
                                    0x00, 0x80, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00,
                                    0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01,
                                    0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};
  if (!written) return false;
  const std::pair<const char*, const std::vector<uint8_t>*> files[] = {{"tiny.png", &png},
                                                                       {"tiny.bmp", &bmp},
                                                                       {"tiny.tga", &tga},
                                                                       {"tiny.jpg", &jpg},
                                                                       {"tiny.gif", &gif}};
  for (const auto& [name, bytes] : files) {
    if (!PutFile(root, "read_picture", name, *bytes)) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_seeds <folder>\n");
    return 2;
  }
  const std::string root = argv[1];

  GradationData standard;
  SetDefaultGradation(standard);
  GradationData colorOnly;
  AddColorStop(colorOnly, 30.0f, Rgb{1, 2, 3});
  static GradationData bank[kBankSize];
  for (GradationData& gradation : bank) gradation = standard;
  bank[1] = Unsorted();
  bank[2] = GradationData{};
  bank[3] = colorOnly;

  const std::string records = "read_gradation_bytes";
  bool ok = PutFile(root, records, "default.grd", Record(standard)) &&
            PutFile(root, records, "empty.grd", Record(GradationData{})) &&
            PutFile(root, records, "color-only.grd", Record(colorOnly)) &&
            PutFile(root, records, "unsorted.grd", Record(Unsorted()));
  const std::string blocks = root + "/load_project_data/";
  ok = ok && Put(blocks + "bank.bin", Block(bank, 50)) &&
       Put(blocks + "count-3.bin", Block(bank, 3)) && Put(blocks + "count-60.bin", Block(bank, 60));
  ok = ok && PutFile(root, "read_grd8", "every-color.grd", grd8::EveryColorPack()) &&
       PutFile(root, "read_grd8", "plain.grd", grd8::PlainPack());
  ok = ok && PutPictures(root);

  const std::vector<std::vector<LinearStop>> lists = StopLists();
  for (size_t i = 0; i < lists.size(); ++i) {
    const std::string name = "written-" + std::to_string(i);
    ok = ok && PutFile(root, "read_ggr", name + ".ggr", WriteGgr(lists[i], name)) &&
         PutFile(root, "read_css", name + ".css", WriteCssGradient(lists[i])) &&
         PutFile(root, "read_svg", name + ".svg", WriteSvgGradient(lists[i], name));
  }
  // The editor's own gradations as its export writes them.
  const std::pair<std::string, GradationData> exported[] = {{"default", standard},
                                                            {"edged", Edged()}};
  for (const auto& [name, gradation] : exported) {
    ok = ok &&
         PutFile(root, "read_ggr", name + ".ggr",
                 ExportGradation(gradation, GradientFormat::Ggr, name)) &&
         PutFile(root, "read_css", name + ".css",
                 ExportGradation(gradation, GradientFormat::Css, name)) &&
         PutFile(root, "read_svg", name + ".svg",
                 ExportGradation(gradation, GradientFormat::Svg, name));
  }
  if (!ok) std::fprintf(stderr, "write_seeds: cannot write into %s\n", argv[1]);
  return ok ? 0 : 1;
}
