// Writes the fuzz targets' seed inputs with the library's own writers and the
// tests' 8BGR writer: write_seeds <folder> fills <folder>/read_gradation_bytes,
// <folder>/load_project_data and <folder>/read_grd8.
#include <cstdio>
#include <string>
#include <vector>

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

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_seeds <folder>\n");
    return 2;
  }
  const std::string records = std::string(argv[1]) + "/read_gradation_bytes/";
  const std::string blocks = std::string(argv[1]) + "/load_project_data/";
  const std::string packs = std::string(argv[1]) + "/read_grd8/";

  GradationData standard;
  SetDefaultGradation(standard);
  GradationData colorOnly;
  AddColorStop(colorOnly, 30.0f, Rgb{1, 2, 3});
  static GradationData bank[kBankSize];
  for (GradationData& gradation : bank) gradation = standard;
  bank[1] = Unsorted();
  bank[2] = GradationData{};
  bank[3] = colorOnly;

  bool ok = Put(records + "default.grd", Record(standard)) &&
            Put(records + "empty.grd", Record(GradationData{})) &&
            Put(records + "color-only.grd", Record(colorOnly)) &&
            Put(records + "unsorted.grd", Record(Unsorted()));
  ok = ok && Put(blocks + "bank.bin", Block(bank, 50)) &&
       Put(blocks + "count-3.bin", Block(bank, 3)) && Put(blocks + "count-60.bin", Block(bank, 60));
  ok = ok && Put(packs + "every-color.grd", grd8::EveryColorPack()) &&
       Put(packs + "plain.grd", grd8::PlainPack());
  if (!ok) std::fprintf(stderr, "write_seeds: cannot write into %s\n", argv[1]);
  return ok ? 0 : 1;
}
