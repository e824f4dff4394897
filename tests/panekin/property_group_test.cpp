// One panel row on real windows: what it creates, where it puts it, and enabling.
#include "panekin/property_group.h"

#include <gtest/gtest.h>

#include <vector>

#include "filter/color_textbox.h"
#include "test_window.h"

namespace Panekin {
namespace {

using namespace Testing;
using Place = std::vector<int>;  // x, y, width, height

TEST(PropertyGroup, LaysOutItsRowForYAndWidth) {
  struct Row {
    int y, width;
    Place group, control, number, color;
  } rows[] = {
      {142, 300, {8, 142, 300, 46}, {16, 162, 64, 18}, {164, 162, 64, 18}, {236, 162, 64, 18}},
      {196, 484, {8, 196, 484, 46}, {16, 216, 64, 18}, {348, 216, 64, 18}, {420, 216, 64, 18}},
  };
  for (const Row& row : rows) {
    TestParent parent;
    ColorTextbox entry(parent.Window(), parent.Instance());
    PropertyGroup group("colour", parent.Window(), parent.Instance(), row.y, row.width, 2000,
                        entry.EditWindow(), nullptr);
    EXPECT_EQ(PlaceInParent(group.GroupBox()), row.group);
    EXPECT_EQ(PlaceInParent(entry.EditWindow()), row.control);
    EXPECT_EQ(PlaceInParent(group.NumberBox().EditWindow()), row.number);
    EXPECT_EQ(PlaceInParent(group.ColorBox().BoxWindow()), row.color);
    EXPECT_EQ((Place{group.X(), group.Y(), group.Width(), group.Height()}), row.group);
  }
}

TEST(PropertyGroup, CreatesGroupBoxNumberBoxAndColorBoxInOrderWithTheirIds) {
  TestParent parent;
  HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
  {
    ColorTextbox entry(parent.Window(), parent.Instance());
    PropertyGroup group("colour", parent.Window(), parent.Instance(), 142, 300, 2000,
                        entry.EditWindow(), font);
    // The caller's control comes first: the editor's colour entry, with its own ID.
    EXPECT_EQ(TestParent::CreatedChildren(), (std::vector<int>{kColorEntryId, 2000, 2002, 2003}));
    HWND box = group.GroupBox();
    EXPECT_EQ(GetWindowLongA(box, GWL_STYLE), 0x50000007);
    EXPECT_EQ(GetWindowLongA(box, GWL_EXSTYLE), 0);
    EXPECT_EQ(WindowText(box), "colour");
    EXPECT_EQ(SendMessageA(box, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));
    EXPECT_EQ(GetDlgCtrlID(group.NumberBox().EditWindow()), 2002);
    EXPECT_EQ(GetDlgCtrlID(group.ColorBox().BoxWindow()), 2003);
    EXPECT_STREQ(group.NumberBox().Format(), "%.1f");
  }
  EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT))
      << "the caption font is the caller's";
  DeleteObject(font);
}

TEST(PropertyGroup, MoveCarriesTheRowAndResizeLeavesTheCallersControl) {
  TestParent parent;
  HWND entry = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, parent.Window(),
                               nullptr, parent.Instance(), nullptr);
  PropertyGroup group("opacity", parent.Window(), parent.Instance(), 142, 300, 2010, entry,
                      nullptr);
  group.Move(196);
  EXPECT_EQ(PlaceInParent(group.GroupBox()), (Place{8, 196, 300, 46}));
  EXPECT_EQ(PlaceInParent(entry), (Place{16, 216, 50, 20}));
  EXPECT_EQ(PlaceInParent(group.NumberBox().EditWindow()), (Place{164, 216, 64, 18}));
  EXPECT_EQ(PlaceInParent(group.ColorBox().BoxWindow()), (Place{236, 216, 64, 18}));

  SetWindowPos(entry, nullptr, 30, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  group.Resize(200);
  EXPECT_EQ(PlaceInParent(group.GroupBox()), (Place{8, 196, 200, 46}));
  EXPECT_EQ(PlaceInParent(entry), (Place{30, 5, 50, 20}));
  EXPECT_EQ(PlaceInParent(group.NumberBox().EditWindow()), (Place{64, 216, 64, 18}));
  EXPECT_EQ(PlaceInParent(group.ColorBox().BoxWindow()), (Place{136, 216, 64, 18}));
}

// A disabled row's colour box shows no colour: it paints as the plain static control it is.
TEST(PropertyGroup, EnableSwitchesAllFourControls) {
  TestParent parent;
  ColorTextbox entry(parent.Window(), parent.Instance());
  PropertyGroup group("colour", parent.Window(), parent.Instance(), 142, 300, 2000,
                      entry.EditWindow(), nullptr);
  group.ColorBox().SetColor(0xFF8000);
  HWND twin = PlainStatic(parent.Window());
  EnableWindow(twin, FALSE);
  const HWND controls[] = {group.GroupBox(), entry.EditWindow(), group.NumberBox().EditWindow(),
                           group.ColorBox().BoxWindow()};
  group.Enable(false);
  for (HWND control : controls) EXPECT_FALSE(IsWindowEnabled(control)) << GetDlgCtrlID(control);
  EXPECT_EQ(PaintedClient(group.ColorBox().BoxWindow()), PaintedClient(twin));
  group.Enable(true);
  for (HWND control : controls) EXPECT_TRUE(IsWindowEnabled(control)) << GetDlgCtrlID(control);
  EXPECT_EQ(PaintedClient(group.ColorBox().BoxWindow()).front(), RGB(255, 128, 0));
}

}  // namespace
}  // namespace Panekin
