// Telling the gradient formats apart by content, and never taking a record
// that the .grd loader accepts for anything else.
#include "interchange/format_detection.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Little-endian counts, as the record starts.
std::string Counts(uint32_t colors, uint32_t alphas) {
  std::string out;
  for (const uint32_t count : {colors, alphas}) {
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>(count >> shift & 0xFF);
  }
  return out;
}

// An uncompressed 24-bit TGA header of the given size; its first eight
// bytes read as 131072 colour stops and none of opacity.
std::string TgaHeader(uint16_t width, uint16_t height) {
  std::string header(18, '\0');
  header[2] = 2;
  header[12] = static_cast<char>(width & 0xFF);
  header[13] = static_cast<char>(width >> 8);
  header[14] = static_cast<char>(height & 0xFF);
  header[15] = static_cast<char>(height >> 8);
  header[16] = 24;
  return header;
}

// A BMP of `size` bytes: "BM" and the size make the counts.
std::string Bmp(uint32_t size) {
  std::string bytes = "BM" + Counts(size, 0).substr(0, 4) + std::string(8, '\0') + '\x28';
  bytes.resize(size, '\0');
  return bytes;
}

// One colour stop and one opacity stop: 8 + 7 + 8 bytes.
const std::string kRecord = Counts(1, 1) + std::string(7 + 8, '\x01');

TEST(FormatDetection, TellsFormatsApartByContent) {
  const struct {
    const char* what;
    std::string bytes;
    GradientFormat expected;
  } kCases[] = {
      {"empty", "", GradientFormat::Unknown},
      {"7 bytes", std::string(7, '\0'), GradientFormat::Unknown},
      {"record without stops", std::string(8, '\0'), GradientFormat::VelumbraRecord},
      {"record", kRecord, GradientFormat::VelumbraRecord},
      {"record one byte short", kRecord.substr(0, kRecord.size() - 1), GradientFormat::Unknown},
      // The loader ignores what follows a record, whatever it looks like.
      {"record, then other formats' text", kRecord + "GIMP Gradient\n<svg>linear-gradient(",
       GradientFormat::VelumbraRecord},
      {"record without stops, then a signature", std::string(8, '\0') + "8BGR",
       GradientFormat::VelumbraRecord},
      // A picture's header whose counts fit: a record only when exactly its length.
      {"640x480 TGA", TgaHeader(640, 480) + std::string(640 * 480 * 3, '\x7F'),
       GradientFormat::Tga},
      {"record whose counts read as a TGA header",
       TgaHeader(1, 1) + std::string(8 + 7 * 0x20000 - 18, '\x7F'), GradientFormat::VelumbraRecord},
      {"BMP of 192 KiB", Bmp(192 << 10), GradientFormat::Bmp},
      {"8BGR alone", "8BGR", GradientFormat::Grd8},
      // Read as a record it would claim over a billion colour stops.
      {"8BGR with huge counts", "8BGR" + std::string(60, '\xFF'), GradientFormat::Grd8},
      {"ggr", "GIMP Gradient\nName: Sky\n1\n", GradientFormat::Ggr},
      {"ggr with CRLF", "GIMP Gradient\r\nName: Sky\r\n", GradientFormat::Ggr},
      {"ggr, first line only", "GIMP Gradient", GradientFormat::Ggr},
      {"ggr-like first line", "GIMP Gradients\n", GradientFormat::Unknown},
      // The reader skips a byte order mark and blanks around the words.
      {"ggr after a BOM, blanks around the words", "\xEF\xBB\xBF GIMP Gradient\t\r\n1\n",
       GradientFormat::Ggr},
      {"ggr words and more", "GIMP Gradient 2\n", GradientFormat::Unknown},
      {"svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"></svg>", GradientFormat::Svg},
      {"svg after BOM, declaration, comment and doctype",
       "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- <html> -->\n"
       "<!DOCTYPE svg [ <!ENTITY a \"b\"> ]>\r\n  <svg>",
       GradientFormat::Svg},
      {"svg with a prefix", "<s:svg xmlns:s=\"http://www.w3.org/2000/svg\"/>", GradientFormat::Svg},
      {"svg styled with CSS", "<svg><style>a{fill:linear-gradient(red,blue)}</style></svg>",
       GradientFormat::Svg},
      {"other XML", "<?xml version=\"1.0\"?><html></html>", GradientFormat::Unknown},
      {"svg-like element", "<svgx>", GradientFormat::Unknown},
      {"unclosed comment", "<!-- <svg>", GradientFormat::Unknown},
      {"CSS", "div { background: linear-gradient(90deg, red, blue); }", GradientFormat::Css},
      {"CSS in capitals", "Repeating-Linear-Gradient(red 0 10px, blue 0 20px)",
       GradientFormat::Css},
      {"HTML with CSS", "<html><body style=\"background:linear-gradient(red,blue)\">",
       GradientFormat::Css},
      {"CSS without a gradient", "div { color: red; }", GradientFormat::Unknown},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(DetectGradientFormat(c.bytes), c.expected) << c.what;
  }
}

}  // namespace
