// Fonts and brushes across create/destroy cycles of a whole panel's worth of controls. Wine
// keeps no GDI object count (GetGuiResources reports 0), so every handle the objects held is
// followed instead: each must be deleted by the time its object is gone.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "filter/color_textbox.h"
#include "panekin/hexadecimal_textbox.h"
#include "panekin/property_group.h"
#include "test_window.h"

namespace Panekin {
namespace {

using namespace Testing;

TEST(Resources, EveryFontAndBrushIsDeletedAcrossCreateDestroyCycles) {
  TestParent parent;
  HFONT captionFont =
      CreateFontA(-12, 0, 0, 0, 400, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
  for (int cycle = 0; cycle < 20; ++cycle) {
    std::vector<HGDIOBJ> held;
    {
      ColorTextbox colorEntry(parent.Window(), parent.Instance());
      PropertyGroup colorGroup("colour", parent.Window(), parent.Instance(), 142, 300, 2000,
                               colorEntry.EditWindow(), captionFont);
      NumberTextbox opacityEntry(parent.Window(), parent.Instance(), 2011);
      PropertyGroup opacityGroup("opacity", parent.Window(), parent.Instance(), 196, 300, 2010,
                                 opacityEntry.EditWindow(), captionFont);
      HexadecimalTextbox hex(parent.Window(), parent.Instance(), 1020);
      hex.SetDigits(4);
      held = {colorEntry.Font(), opacityEntry.Font(), colorGroup.NumberBox().Font(),
              opacityGroup.NumberBox().Font(), hex.Font()};
      for (uint32_t color : {0xFF8000u, 0x0000FFu}) {
        colorGroup.ColorBox().SetColor(color);
        opacityGroup.ColorBox().SetColor(color ^ 0xFFFFFF);
        held.push_back(colorGroup.ColorBox().Brush());
        held.push_back(opacityGroup.ColorBox().Brush());
      }
      colorEntry.SetValue(0x123456);
      opacityEntry.SetValue(50.0);
      PaintedClient(colorGroup.ColorBox().BoxWindow());
    }
    ASSERT_EQ(held.size(), 9u);
    for (HGDIOBJ object : held) {
      ASSERT_NE(object, nullptr);
      EXPECT_EQ(GetObjectType(object), 0u) << "cycle " << cycle << " left " << object;
    }
  }
  EXPECT_EQ(GetObjectType(captionFont), static_cast<DWORD>(OBJ_FONT));
  DeleteObject(captionFont);
}

}  // namespace
}  // namespace Panekin
