// Writes the fuzz targets' seed inputs with the library's own writers:
// write_seeds <folder> fills <folder>/read_gradation_bytes and
// <folder>/load_project_data.
#include <cstdio>
#include <string>
#include <vector>

#include "model/banks.h"
#include "persist/gradation_bytes.h"
#include "persist/project_block.h"

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

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_seeds <folder>\n");
    return 2;
  }
  const std::string records = std::string(argv[1]) + "/read_gradation_bytes/";
  const std::string blocks = std::string(argv[1]) + "/load_project_data/";

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
  if (!ok) std::fprintf(stderr, "write_seeds: cannot write into %s\n", argv[1]);
  return ok ? 0 : 1;
}
