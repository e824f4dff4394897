#include "interchange/picture_file.h"

#include <gtest/gtest.h>
#include <stb/stb_image_write.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/file_bytes.h"

namespace {

constexpr int kWidth = 5, kHeight = 3;

// 0xAARRGGBB, every channel varying.
std::vector<uint32_t> Source() {
  std::vector<uint32_t> words;
  for (uint32_t i = 0; i < kWidth * kHeight; ++i) {
    words.push_back((255 - i * 13) << 24 | (i * 17) << 16 | (250 - i * 9) << 8 | (i * 31 % 256));
  }
  return words;
}

void Append(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data),
                                             static_cast<size_t>(size));
}

using Writer = int (*)(stbi_write_func*, void*, int, int, int, const void*);

// The source as stb writes it, with 3 (RGB) or 4 (RGBA) channels.
std::string Encoded(Writer write, int channels) {
  std::vector<uint8_t> bytes;
  for (uint32_t word : Source()) {
    for (int shift : {16, 8, 0, 24}) bytes.push_back(static_cast<uint8_t>(word >> shift));
    if (channels == 3) bytes.pop_back();
  }
  std::string file;
  EXPECT_NE(write(Append, &file, kWidth, kHeight, channels, bytes.data()), 0);
  return file;
}

std::string Png(int channels) {
  return Encoded([](stbi_write_func* f, void* c, int w, int h, int n,
                    const void* d) { return stbi_write_png_to_func(f, c, w, h, n, d, w * n); },
                 channels);
}

std::string Jpeg() {
  return Encoded([](stbi_write_func* f, void* c, int w, int h, int n,
                    const void* d) { return stbi_write_jpg_to_func(f, c, w, h, n, d, 100); },
                 3);
}

// Two frames of 2 x 1 pixels from a palette of red and blue: red, blue, then
// blue, red. LZW codes of 3 bits: clear, the two indices, end.
std::string Gif() {
  const unsigned char bytes[] = {
      'G',  'I', 'F', '8', '9', 'a',  2, 0, 1, 0, 0x80, 0, 0,  // screen, 2-colour palette
      0xFF, 0,   0,   0,   0,   0xFF,                          // red, blue
      0x2C, 0,   0,   0,   0,   2,    0, 1, 0, 0, 2,    2, 0x44, 0x0A, 0,  // frame: 0, 1
      0x2C, 0,   0,   0,   0,   2,    0, 1, 0, 0, 2,    2, 0x0C, 0x0A, 0,  // frame: 1, 0
      0x3B};
  return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

void PutBigEndian(std::string& bytes, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<char>(value >> shift));
}

void PutLittleEndian(std::string& bytes, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>(value >> (8 * i)));
}

// Headers alone, claiming a size; no pixel data follows.
std::string PngHeader(uint32_t width, uint32_t height) {
  std::string bytes("\x89PNG\r\n\x1A\n", 8);
  PutBigEndian(bytes, 13);
  bytes += "IHDR";
  PutBigEndian(bytes, width);
  PutBigEndian(bytes, height);
  bytes += std::string("\x08\x06\x00\x00\x00", 5);  // 8-bit RGBA
  PutBigEndian(bytes, 0);                           // the CRC, which readers may skip
  return bytes;
}

std::string BmpHeader(uint32_t width, uint32_t height) {
  std::string bytes = "BM";
  PutLittleEndian(bytes, 54, 4);  // file size
  PutLittleEndian(bytes, 0, 4);
  PutLittleEndian(bytes, 54, 4);  // pixel offset
  PutLittleEndian(bytes, 40, 4);  // info header size
  PutLittleEndian(bytes, width, 4);
  PutLittleEndian(bytes, height, 4);
  PutLittleEndian(bytes, 1, 2);   // planes
  PutLittleEndian(bytes, 24, 2);  // bits per pixel
  for (int i = 0; i < 6; ++i) PutLittleEndian(bytes, 0, 4);
  return bytes;
}

TEST(PictureFile, DecodesEveryFormatToWords) {
  const std::vector<uint32_t> source = Source();
  std::vector<uint32_t> opaque = source;
  for (uint32_t& word : opaque) word |= 0xFF000000u;
  struct Row {
    const char* name;
    std::string bytes;
    int width, height;
    std::vector<uint32_t> pixels;
    int tolerance;  // per channel
  } rows[] = {
      {"PNG", Png(4), kWidth, kHeight, source, 0},
      {"PNG without alpha", Png(3), kWidth, kHeight, opaque, 0},
      {"BMP", Encoded(stbi_write_bmp_to_func, 4), kWidth, kHeight, source, 0},
      {"TGA", Encoded(stbi_write_tga_to_func, 4), kWidth, kHeight, source, 0},
      {"JPEG", Jpeg(), kWidth, kHeight, opaque, 24},
      {"GIF, first frame", Gif(), 2, 1, {0xFFFF0000, 0xFF0000FF}, 0},
  };
  for (const Row& row : rows) {
    const PictureResult result = DecodePicture(row.bytes);
    ASSERT_TRUE(result.ok()) << row.name << ": " << result.error;
    EXPECT_EQ(result.picture.width, row.width) << row.name;
    EXPECT_EQ(result.picture.height, row.height) << row.name;
    ASSERT_EQ(result.picture.pixels.size(), row.pixels.size()) << row.name;
    for (size_t i = 0; i < row.pixels.size(); ++i) {
      for (int shift = 0; shift < 32; shift += 8) {
        const int got = static_cast<int>((result.picture.pixels[i] >> shift) & 0xFF);
        const int want = static_cast<int>((row.pixels[i] >> shift) & 0xFF);
        EXPECT_LE(std::abs(got - want), row.tolerance) << row.name << " pixel " << i;
      }
    }
  }
}

TEST(PictureFile, RefusesDamagedAndOversizedPictures) {
  std::string truncated = Png(4);
  truncated.resize(truncated.size() / 2);
  std::string badStream = Png(4);
  const size_t data = badStream.find("IDAT") + 4;
  badStream[data] = badStream[data + 1] = '\xFF';  // no zlib header
  const std::string cannotDecode = "the picture cannot be decoded: it is damaged or uses";
  const std::string notAPicture =
      "not a PNG, JPEG, BMP, GIF or TGA picture, or its header is damaged";
  struct Row {
    const char* name;
    std::string bytes;
    std::string errorStart;
  } rows[] = {
      {"wide PNG", PngHeader(20000, 10),
       "the picture is 20000 x 10 pixels; at most 16384 a side and 64 megapixels are read"},
      {"tall PNG", PngHeader(10, 16385), "the picture is 10 x 16385 pixels"},
      {"9000 x 9000 PNG", PngHeader(9000, 9000), "the picture is 9000 x 9000 pixels"},
      {"8193 x 8192 BMP, 64 Mi pixels and more", BmpHeader(8193, 8192),
       "the picture is 8193 x 8192 pixels"},
      {"empty", "", notAPicture},
      {"text", "linear-gradient(red, blue)", notAPicture},
      {"truncated PNG", truncated, cannotDecode},
      {"PNG with a damaged stream", badStream, cannotDecode},
      {"GIF without its frames", Gif().substr(0, 19), cannotDecode},
      // 17 codes of each length: stb would write past its table of 257.
      {"JPEG with a Huffman table of 272 codes",
       std::string("\xFF\xD8\xFF\xC4\x01\x21\x00", 7) + std::string(16, '\x11') +
           std::string(272, '\0'),
       cannotDecode + " a feature that is not read (a Huffman table holds more than 256 codes)"},
  };
  for (const Row& row : rows) {
    const PictureResult result = DecodePicture(row.bytes);
    EXPECT_EQ(result.error.substr(0, row.errorStart.size()), row.errorStart) << row.name;
    EXPECT_TRUE(result.picture.pixels.empty()) << row.name;
  }
}

TEST(PictureFile, ReadsFiles) {
  const std::string path = testing::TempDir() + "picture_file_test.png";
  const std::string png = Png(4);
  ASSERT_TRUE(WriteFileBytes(path, std::vector<uint8_t>(png.begin(), png.end())));
  const PictureResult read = ReadPictureFile(path.c_str());
  ASSERT_TRUE(read.ok()) << read.error;
  EXPECT_EQ(read.picture.pixels, Source());
  std::remove(path.c_str());
  EXPECT_EQ(ReadPictureFile(path.c_str()).error, "the file cannot be opened or read");
}

}  // namespace
