// The text boxes' parsers and formatting, free of any window.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "panekin/decimal_parser.h"
#include "panekin/hexadecimal_parser.h"
#include "panekin/textbox_format.h"

namespace Panekin {
namespace {

TEST(HexadecimalParser, AcceptsDigitsOnlyAndKeepsTheLastEight) {
  struct Row {
    const char* text;
    bool valid;
    uint32_t value;  // 0xDEADBEEF: left untouched
  } rows[] = {
      {"", true, 0},
      {"F", true, 15},
      {"f", true, 15},
      {"00FF00", true, 0x00FF00},
      {"aBcDeF", true, 0xABCDEF},
      {"FFFFFFFF", true, 0xFFFFFFFF},
      {"123456789", true, 0x23456789},
      {"ABCDEF0123456789", true, 0x23456789},
      {"G", false, 0xDEADBEEF},
      {"00FF0G", false, 0xDEADBEEF},
      {"0x10", false, 0xDEADBEEF},
      {"-1", false, 0xDEADBEEF},
      {" F", false, 0xDEADBEEF},
      {"@", false, 0xDEADBEEF},
      {"`", false, 0xDEADBEEF},
      {"\x82\x65", false, 0xDEADBEEF},  // a full-width F in code page 932
      {nullptr, false, 0xDEADBEEF},
  };
  for (const Row& row : rows) {
    uint32_t value = 0xDEADBEEF;
    EXPECT_EQ(ParseHexadecimal(row.text, &value), row.valid) << (row.text ? row.text : "null");
    EXPECT_EQ(value, row.value) << (row.text ? row.text : "null");
  }
}

TEST(DecimalParser, AcceptsWhatAUserTypesOnTheWayToANumber) {
  struct Row {
    const char* text;
    double value;
  } rows[] = {
      {"", 0.0},
      {"-", -0.0},
      {".", 0.0},
      {"-0", -0.0},
      {".5", 0.5},
      {"5.", 5.0},
      {"-.5", -0.5},
      {"-12.5", -12.5},
      {"007", 7.0},
      {"99.9", 99.9},
      {"0.1234567891", 0.1234567891},
      {"0.9999999999", 0.9999999999},  // ten fraction digits overflow 32-bit integers
      {"4294967296", 4294967296.0},
      {"12345678901.5", 12345678901.5},
  };
  for (const Row& row : rows) {
    double value = 1.0;
    EXPECT_TRUE(ParseDecimal(row.text, &value)) << row.text;
    EXPECT_EQ(value, row.value) << row.text;
    EXPECT_EQ(std::signbit(value), std::signbit(row.value)) << row.text;
  }
  const char* invalid[] = {"+5",  "1e3",  "1.2.3", "5-",  "--",  "..",  " 5",   "5 ",
                           "1,5", "0x10", "--1",   "1-2", "inf", "nan", nullptr};
  for (const char* text : invalid) {
    double value = -777.25;
    EXPECT_FALSE(ParseDecimal(text, &value)) << (text ? text : "null");
    EXPECT_EQ(value, -777.25) << (text ? text : "null");
  }
}

// A program can set a long text into a box: it must give a sensible number, never NaN.
TEST(DecimalParser, LongTextsNeverGiveNaN) {
  double value = 0.0;
  ASSERT_TRUE(ParseDecimal(("0." + std::string(400, '1')).c_str(), &value));
  EXPECT_NEAR(value, 1.0 / 9.0, 1e-15);
  ASSERT_TRUE(
      ParseDecimal(("-" + std::string(400, '9') + "." + std::string(400, '9')).c_str(), &value));
  EXPECT_EQ(value, -std::numeric_limits<double>::infinity());
}

TEST(TextboxFormat, FormatsOneValueWhenItFits) {
  struct UnsignedRow {
    const char* format;
    uint32_t value;
    const char* text;  // nullptr: refused, with an empty text
  } unsignedRows[] = {
      {"%X", 0xABC, "ABC"},
      {"%06X", 15, "00000F"},
      {"%06X", 0xFFFFFFFF, "FFFFFFFF"},
      {"100%% %x", 0xA, "100% a"},
      {"%u", 4294967295u, "4294967295"},
      {"%0256X", 1, nullptr},
      {"%f", 1, nullptr},
      {"%d", 1, nullptr},
      {"%s", 1, nullptr},
      {"%n", 1, nullptr},
      {"%X%X", 1, nullptr},
      {"%*X", 1, nullptr},
      {"%lX", 1, nullptr},
      {"%#u", 1, nullptr},
      {"%%X", 1, nullptr},
      {"X%", 1, nullptr},
      {"", 1, nullptr},
      {nullptr, 1, nullptr},
  };
  for (const UnsignedRow& row : unsignedRows) {
    TextBuffer text;
    std::memset(text.text, 'x', sizeof text.text);
    EXPECT_EQ(FormatValue(row.format, row.value, &text), row.text != nullptr) << row.format;
    EXPECT_STREQ(text.text, row.text ? row.text : "") << row.format;
  }
  struct DoubleRow {
    const char* format;
    double value;
    const char* text;
  } doubleRows[] = {
      {"%.1f", 50.0, "50.0"},      {"%.2f", 50.0, "50.00"},  {"%.1f", -0.0, "-0.0"},
      {"%.1f", 0.05, "0.1"},       {"%.1f", 1.25, "1.2"},    {"%.0f", 99.6, "100"},
      {"%+.2e", 1.5, "+1.50e+00"}, {"%.1f", 1e300, nullptr}, {"%.254f", 1.0, nullptr},
      {"%X", 1.0, nullptr},        {"%.*f", 1.0, nullptr},   {"%Lf", 1.0, nullptr},
      {"%.256f", 1.0, nullptr},    {"%.1f%f", 1.0, nullptr},
  };
  for (const DoubleRow& row : doubleRows) {
    TextBuffer text;
    std::memset(text.text, 'x', sizeof text.text);
    EXPECT_EQ(FormatValue(row.format, row.value, &text), row.text != nullptr) << row.format;
    EXPECT_STREQ(text.text, row.text ? row.text : "") << row.format;
  }
  // 255 characters fit the 256-byte buffer; one more is refused, not cut short.
  TextBuffer text;
  ASSERT_TRUE(FormatValue("%.253f", 1.0, &text));
  EXPECT_EQ(std::strlen(text.text), 255u);
  ASSERT_TRUE(FormatValue("%255X", 1u, &text));
  EXPECT_EQ(std::strlen(text.text), 255u);
  EXPECT_FALSE(FormatValue("x%255X", 1u, &text));
}

TEST(TextboxFormat, DisplayTextFallsBackToAFormThatFits) {
  EXPECT_STREQ(DisplayText("%.1f", 12.5).text, "12.5");
  EXPECT_STREQ(DisplayText("%06X", 15u).text, "00000F");
  EXPECT_EQ(std::strtod(DisplayText("%.1f", 1e300).text, nullptr), 1e300);
  EXPECT_EQ(std::strtod(DisplayText("%.254f", 0.1).text, nullptr), 0.1);
  EXPECT_STREQ(DisplayText("%s", 0xABu).text, "AB");
}

TEST(TextboxFormat, DigitAndDecimalFormats) {
  struct Row {
    int count;
    const char* digitsFormat;
    const char* decimalsFormat;
  } rows[] = {
      {6, "%06X", "%.6f"},       {1, "%01X", "%.1f"},
      {2, "%02X", "%.2f"},       {0, "%01X", "%.0f"},
      {-5, "%01X", "%.0f"},      {255, "%0255X", "%.255f"},
      {256, "%0255X", "%.255f"}, {std::numeric_limits<int>::min(), "%01X", "%.0f"},
  };
  for (const Row& row : rows) {
    EXPECT_STREQ(HexadecimalDigitsFormat(row.count).text, row.digitsFormat) << row.count;
    EXPECT_STREQ(DecimalsFormat(row.count).text, row.decimalsFormat) << row.count;
  }
  FormatBuffer format;
  EXPECT_TRUE(CopyFormat(std::string(kFormatCapacity - 1, 'a').c_str(), &format));
  EXPECT_FALSE(CopyFormat(std::string(kFormatCapacity, 'a').c_str(), &format));
  EXPECT_STREQ(format.text, "");
}

}  // namespace
}  // namespace Panekin
