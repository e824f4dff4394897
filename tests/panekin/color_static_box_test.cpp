// The colour box on a real static control: its window, its brush and the pixels it paints.
#include "panekin/color_static_box.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_window.h"

namespace Panekin {
namespace {

using namespace Testing;

constexpr int kId = 2003;

std::vector<COLORREF> Filled(HWND window, COLORREF color) {
  RECT client;
  GetClientRect(window, &client);
  return std::vector<COLORREF>(client.right * client.bottom, color);
}

TEST(ColorStaticBox, IsANotifyingStaticControlThatReportsClicks) {
  TestParent parent;
  ColorStaticBox box(parent.Window(), parent.Instance(), kId);
  HWND window = box.BoxWindow();
  EXPECT_EQ(box.Window(), window);
  EXPECT_EQ(GetWindowLongA(window, GWL_STYLE), 0x50000100);
  EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE), 0x200);
  EXPECT_EQ(GetDlgCtrlID(window), kId);
  EXPECT_EQ(PlaceInParent(window), (std::vector<int>{0, 0, 64, 18}));
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(&box));

  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, 0), HTCLIENT);
  EXPECT_EQ(TestParent::Commands(), (std::vector<std::pair<int, int>>{{kId, STN_CLICKED}}));
}

TEST(ColorStaticBox, SetColorSplitsTheValueAndMakesABrushInSystemOrder) {
  struct Row {
    uint32_t color;
    uint8_t red, green, blue;
    COLORREF system;
  } rows[] = {
      {0xFF8000, 255, 128, 0, 0x0080FF},
      {0x123456, 0x12, 0x34, 0x56, 0x563412},
      {0xAB0000FF, 0, 0, 255, 0xFF0000},  // bits 24-31 are not colour
  };
  TestParent parent;
  ColorStaticBox box(parent.Window(), parent.Instance(), kId);
  for (const Row& row : rows) {
    box.SetColor(row.color);
    EXPECT_EQ((std::vector<int>{box.Red(), box.Green(), box.Blue()}),
              (std::vector<int>{row.red, row.green, row.blue}));
    LOGBRUSH brush{};
    ASSERT_EQ(GetObjectA(box.Brush(), sizeof brush, &brush), static_cast<int>(sizeof brush));
    EXPECT_EQ(brush.lbColor, row.system) << std::hex << row.color;
  }
}

// Plain until the first colour; coloured only while enabled; plain again once the object is
// gone, the window living on with its parent.
TEST(ColorStaticBox, PaintsItsColorOnlyWhileEnabledAndWithABrush) {
  TestParent parent;
  HWND window = nullptr;
  HWND twin = PlainStatic(parent.Window());
  {
    ColorStaticBox box(parent.Window(), parent.Instance(), kId);
    window = box.BoxWindow();
    EXPECT_EQ(PaintedClient(window), PaintedClient(twin));
    box.SetColor(0xFF8000);
    EXPECT_EQ(PaintedClient(window), Filled(window, RGB(255, 128, 0)));
    box.SetColor(0x2040C0);
    EXPECT_EQ(PaintedClient(window), Filled(window, RGB(0x20, 0x40, 0xC0)));
    EnableWindow(window, FALSE);
    EnableWindow(twin, FALSE);
    EXPECT_EQ(PaintedClient(window), PaintedClient(twin));
    EnableWindow(window, TRUE);
    EnableWindow(twin, TRUE);
    EXPECT_EQ(PaintedClient(window), Filled(window, RGB(0x20, 0x40, 0xC0)));
  }
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_USERDATA), 0);
  EXPECT_EQ(PaintedClient(window), PaintedClient(twin));
  EXPECT_NE(PaintedClient(twin), Filled(twin, RGB(0x20, 0x40, 0xC0)));
}

TEST(ColorStaticBox, OwnsExactlyOneBrush) {
  TestParent parent;
  HBRUSH last = nullptr;
  {
    ColorStaticBox box(parent.Window(), parent.Instance(), kId);
    box.SetColor(0x102030);
    const HBRUSH first = box.Brush();
    box.SetColor(0x405060);
    last = box.Brush();
    box.SetColor(0xFF405060);  // the same colour: the brush stays
    EXPECT_EQ(box.Brush(), last);
    EXPECT_EQ(GetObjectType(first), 0u) << "the replaced brush is still alive";
    EXPECT_EQ(GetObjectType(last), static_cast<DWORD>(OBJ_BRUSH));
  }
  EXPECT_EQ(GetObjectType(last), 0u) << "destruction left the brush alive";
}

}  // namespace
}  // namespace Panekin
