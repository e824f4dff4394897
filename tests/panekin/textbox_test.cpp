// The typed text boxes on real edit controls, driven by what a user's keyboard sends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include "filter/color_textbox.h"
#include "panekin/hexadecimal_textbox.h"
#include "panekin/number_textbox.h"
#include "test_window.h"

namespace Panekin {
namespace {

using namespace Testing;

constexpr int kHexId = 1020;
constexpr int kNumberId = 2011;

template <typename Box>
void ExpectEditControl(Box& box, int id, const char* format, int limit) {
  HWND edit = box.EditWindow();
  EXPECT_EQ(box.Window(), edit);
  EXPECT_EQ(GetWindowLongA(edit, GWL_STYLE), 0x50000082);
  EXPECT_EQ(GetWindowLongA(edit, GWL_EXSTYLE), 0x10200);
  EXPECT_EQ(GetDlgCtrlID(edit), id);
  EXPECT_EQ(PlaceInParent(edit), (std::vector<int>{0, 0, 64, 18}));
  EXPECT_EQ(WindowText(edit), "");
  EXPECT_EQ(box.Value(), 0);
  EXPECT_STREQ(box.Format(), format);
  EXPECT_EQ(box.TextLimit(), limit);
  EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), limit);
  EXPECT_EQ(SendMessageA(edit, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(box.Font()));
  LOGFONTA font{};
  ASSERT_EQ(GetObjectA(box.Font(), sizeof font, &font), static_cast<int>(sizeof font));
  EXPECT_EQ((std::vector<int>{font.lfHeight, font.lfWeight, font.lfCharSet, font.lfQuality,
                              font.lfPitchAndFamily}),
            (std::vector<int>{12, 400, 128, 2, 0x31}));
  EXPECT_STREQ(font.lfFaceName, "MS UI Gothic");
}

TEST(Textboxes, AreEditControlsWithTheirFontLimitAndFormat) {
  TestParent parent;
  HexadecimalTextbox hex(parent.Window(), parent.Instance(), kHexId);
  ColorTextbox color(parent.Window(), parent.Instance());
  NumberTextbox number(parent.Window(), parent.Instance(), kNumberId);
  ExpectEditControl(hex, kHexId, "%X", 64);
  ExpectEditControl(color, kColorEntryId, "%06X", 6);
  ExpectEditControl(number, kNumberId, "%.1f", 64);
}

TEST(ColorTextbox, TypingKeepsOnlyValidHexadecimalText) {
  struct Row {
    const char* what;
    bool showing00FF00;  // SetValue(0x00FF00) first; otherwise the box is new and empty
    int start, end;      // the selection before typing (see Select)
    const char* typed;
    const char* text;
    unsigned long value;
  } rows[] = {
      {"G over the last digit", true, 5, 6, "G", "00FF00", 0x00FF00},
      {"G over everything", true, 0, -1, "G", "00FF00", 0x00FF00},
      {"G at the end of a full box", true, -1, 0, "G", "00FF00", 0x00FF00},
      {"a digit over the last digit", true, 5, 6, "A", "00FF0A", 0x00FF0A},
      {"F into an empty box", false, -1, 0, "F", "F", 15},
      {"lower case", false, -1, 0, "ff8000", "ff8000", 0xFF8000},
      {"seven digits", false, -1, 0, "1234567", "123456", 0x123456},
      {"a bad key after two digits", false, -1, 0, "12x", "000012", 0x12},
      {"backspace over everything", true, 0, -1, "\b", "", 0},
  };
  for (const Row& row : rows) {
    TestParent parent;
    ColorTextbox box(parent.Window(), parent.Instance());
    if (row.showing00FF00) box.SetValue(0x00FF00);
    Select(box.EditWindow(), row.start, row.end);
    Type(box.EditWindow(), row.typed);
    EXPECT_EQ(WindowText(box.EditWindow()), row.text) << row.what;
    EXPECT_EQ(box.Value(), row.value) << row.what;
  }
}

TEST(ColorTextbox, ARefusedKeyLeavesTheSelectionForTheNextOne) {
  TestParent parent;
  ColorTextbox box(parent.Window(), parent.Instance());
  box.SetValue(0x00FF00);
  Select(box.EditWindow(), 5, 6);
  Type(box.EditWindow(), "GC");
  EXPECT_EQ(WindowText(box.EditWindow()), "00FF0C");
  EXPECT_EQ(box.Value(), 0x00FF0Cu);
}

TEST(ColorTextbox, PastingKeepsOnlyValidTextOfSixCharacters) {
  struct Row {
    bool showing00FF00;
    int start, end;
    const char* clipboard;
    const char* text;
    unsigned long value;
  } rows[] = {
      {false, -1, 0, "123456789", "123456", 0x123456}, {true, 0, -1, "abc", "abc", 0xABC},
      {true, 0, -1, "xyz", "00FF00", 0x00FF00},        {true, -1, 0, "12", "00FF00", 0x00FF00},
      {true, 0, 1, "ABC", "A0FF00", 0xA0FF00},
  };
  for (const Row& row : rows) {
    TestParent parent;
    ColorTextbox box(parent.Window(), parent.Instance());
    if (row.showing00FF00) box.SetValue(0x00FF00);
    ASSERT_TRUE(PutOnClipboard(parent.Window(), row.clipboard));
    Select(box.EditWindow(), row.start, row.end);
    SendMessageA(box.EditWindow(), WM_PASTE, 0, 0);
    EXPECT_EQ(WindowText(box.EditWindow()), row.text) << row.clipboard;
    EXPECT_EQ(box.Value(), row.value) << row.clipboard;
  }
}

TEST(ColorTextbox, GetColorSplitsTheValueAndRereadsOnlyWhenAsked) {
  TestParent parent;
  ColorTextbox box(parent.Window(), parent.Instance());
  box.SetValue(0x0000FF);
  SetWindowTextA(box.EditWindow(), "FF8000");
  const Rgb stored = box.GetColor(false);
  EXPECT_EQ((std::vector<int>{stored.red, stored.green, stored.blue}),
            (std::vector<int>{0, 0, 255}));
  const Rgb reread = box.GetColor(true);
  EXPECT_EQ((std::vector<int>{reread.red, reread.green, reread.blue}),
            (std::vector<int>{255, 128, 0}));
  SetWindowTextA(box.EditWindow(), "nope");
  EXPECT_EQ(box.GetColor(true).green, 128);
}

TEST(NumberTextbox, TypingKeepsOnlyValidDecimalText) {
  struct Row {
    const char* what;
    bool showing12_5;  // SetValue(12.5) first
    int start, end;
    const char* typed;
    UINT key;  // pressed after typing, or 0
    const char* text;
    double value;
  } rows[] = {
      {"delete everything", true, 0, -1, "", VK_DELETE, "", 0.0},
      {"backspace everything", true, -1, 0, "\b\b\b\b", 0, "", 0.0},
      {"minus first", false, -1, 0, "-", 0, "-", -0.0},
      {"minus after a digit", false, -1, 0, "5-", 0, "5.0", 5.0},
      {"negative number", false, -1, 0, "-2.5", 0, "-2.5", -2.5},
      {"second point, then a digit", false, -1, 0, "1.2.3", 0, "1.23", 1.23},
      {"ten decimals", false, -1, 0, "0.1234567891", 0, "0.1234567891", 0.1234567891},
      {"a space", true, -1, 0, " ", 0, "12.5", 12.5},
      {"a plus over everything", true, 0, -1, "+", 0, "12.5", 12.5},
      {"more decimals than shown", true, 0, -1, "1.25", 0, "1.25", 1.25},
  };
  for (const Row& row : rows) {
    TestParent parent;
    NumberTextbox box(parent.Window(), parent.Instance(), kNumberId);
    if (row.showing12_5) box.SetValue(12.5);
    Select(box.EditWindow(), row.start, row.end);
    Type(box.EditWindow(), row.typed);
    if (row.key != 0) Press(box.EditWindow(), row.key);
    EXPECT_EQ(WindowText(box.EditWindow()), row.text) << row.what;
    EXPECT_EQ(box.Value(), row.value) << row.what;
    EXPECT_EQ(std::signbit(box.Value()), std::signbit(row.value)) << row.what;
  }
}

TEST(Textboxes, SetValueShowsTheValueInTheBoxFormat) {
  struct Row {
    int count;  // SetDigits or SetDecimals first, unless -1
    double value;
    const char* numberText;
    const char* hexText;  // the value as an unsigned long
  } rows[] = {
      {-1, 50.0, "50.0", "32"},          {-1, 15.0, "15.0", "F"},          {-1, -0.0, "-0.0", "0"},
      {2, 50.0, "50.00", "32"},          {6, 15.0, "15.000000", "00000F"}, {0, 99.6, "100", "63"},
      {3, 0.1234567891, "0.123", "000"},
  };
  for (const Row& row : rows) {
    TestParent parent;
    NumberTextbox number(parent.Window(), parent.Instance(), kNumberId);
    HexadecimalTextbox hex(parent.Window(), parent.Instance(), kHexId);
    if (row.count >= 0) {
      number.SetDecimals(row.count);
      hex.SetDigits(row.count);
    }
    number.SetValue(row.value);
    hex.SetValue(static_cast<unsigned long>(row.value));
    EXPECT_EQ(WindowText(number.EditWindow()), row.numberText) << row.value;
    EXPECT_EQ(WindowText(hex.EditWindow()), row.hexText) << row.value;
    EXPECT_TRUE(number.Shows(row.value)) << row.value;
    EXPECT_FALSE(number.Shows(row.value + 1.0)) << row.value;
  }
  TestParent parent;
  ColorTextbox color(parent.Window(), parent.Instance());
  color.SetValue(15);
  EXPECT_EQ(WindowText(color.EditWindow()), "00000F");
}

TEST(HexadecimalTextbox, SetDigitsLimitsTheText) {
  struct Row {
    int digits, limit;
    const char* format;
    const char* typed;
    const char* kept;
    unsigned long value;
  } rows[] = {
      {3, 3, "%03X", "1234", "123", 0x123},
      {8, 8, "%08X", "123456789", "12345678", 0x12345678},
      {0, 1, "%01X", "12", "1", 1},
      {64, 64, "%064X", "123456789", "123456789", 0x23456789},
  };
  for (const Row& row : rows) {
    TestParent parent;
    HexadecimalTextbox box(parent.Window(), parent.Instance(), kHexId);
    box.SetDigits(row.digits);
    EXPECT_EQ(box.TextLimit(), row.limit);
    EXPECT_EQ(SendMessageA(box.EditWindow(), EM_GETLIMITTEXT, 0, 0), row.limit);
    EXPECT_STREQ(box.Format(), row.format);
    Type(box.EditWindow(), row.typed);
    EXPECT_EQ(WindowText(box.EditWindow()), row.kept);
    EXPECT_EQ(box.Value(), row.value);
  }
}

TEST(NumberTextbox, GetValueRereadsAndCheckTextRestoresTheLastValidValue) {
  TestParent parent;
  NumberTextbox box(parent.Window(), parent.Instance(), kNumberId);
  HWND edit = box.EditWindow();
  box.SetValue(1.0);
  SetWindowTextA(edit, "1.25");
  EXPECT_EQ(box.GetValue(), 1.25);
  SetWindowTextA(edit, "abc");
  EXPECT_EQ(box.GetValue(), 1.25);
  EXPECT_EQ(WindowText(edit), "abc");
  EXPECT_FALSE(box.CheckText());
  EXPECT_EQ(WindowText(edit), "1.2");
  // A text longer than the 256-byte buffer is not read cut short: it is no value at all.
  SetWindowTextA(edit, std::string(300, '7').c_str());
  EXPECT_EQ(box.GetValue(), 1.25);
  EXPECT_FALSE(box.CheckText());
  EXPECT_EQ(WindowText(edit), "1.2");
  // "%.1f" of 1e300 needs 302 characters; a form that fits is shown instead.
  box.SetValue(1e300);
  EXPECT_EQ(std::strtod(WindowText(edit).c_str(), nullptr), 1e300) << WindowText(edit);
}

// Every change of an entry's text, typed or set by the library, reaches the parent at once.
TEST(Textboxes, TheParentHearsOfTextSetByTheLibrary) {
  TestParent parent;
  ColorTextbox color(parent.Window(), parent.Instance());
  NumberTextbox number(parent.Window(), parent.Instance(), kNumberId);
  const std::pair<int, int> colorUpdate{kColorEntryId, EN_UPDATE};
  const std::pair<int, int> numberUpdate{kNumberId, EN_UPDATE};
  auto& commands = TestParent::Commands();
  commands.clear();
  color.SetValue(0xFF8000);
  EXPECT_EQ(std::count(commands.begin(), commands.end(), colorUpdate), 1);
  EXPECT_EQ(std::count(commands.begin(), commands.end(), numberUpdate), 0);
  number.SetValue(12.5);
  EXPECT_EQ(std::count(commands.begin(), commands.end(), numberUpdate), 1);
}

TEST(Textboxes, DestructionDeletesTheFontAndLeavesAWorkingEditControl) {
  TestParent parent;
  HWND edit = nullptr;
  HFONT font = nullptr;
  {
    NumberTextbox box(parent.Window(), parent.Instance(), kNumberId);
    edit = box.EditWindow();
    font = box.Font();
    box.SetValue(2.0);
  }
  ASSERT_TRUE(IsWindow(edit));
  EXPECT_EQ(GetObjectType(font), 0u);
  EXPECT_EQ(SendMessageA(edit, WM_GETFONT, 0, 0), 0);
  Select(edit, -1, 0);
  Type(edit, "x");
  EXPECT_EQ(WindowText(edit), "2.0x");

  auto box = std::make_unique<NumberTextbox>(parent.Window(), parent.Instance(), kNumberId);
  font = box->Font();
  DestroyWindow(box->EditWindow());
  EXPECT_EQ(box->Window(), nullptr);
  box.reset();
  EXPECT_EQ(GetObjectType(font), 0u);
}

}  // namespace
}  // namespace Panekin
