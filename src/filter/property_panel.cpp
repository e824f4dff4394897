#include "filter/property_panel.h"

#include "filter/color_textbox.h"
#include "filter/editor_state.h"
#include "filter/ui_strings.h"
#include "panekin/number_textbox.h"
#include "panekin/property_group.h"

namespace {

constexpr int kColorRowY = 142;
constexpr int kOpacityRowY = 196;
constexpr int kColorIdBase = 1000;
constexpr int kOpacityIdBase = 1010;
constexpr int kOpacityEntryId = 1011;

}  // namespace

void CreatePropertyPanel(HINSTANCE instance, HWND window, HFONT font) {
  EditorState& editor = Editor();
  const int rowWidth = editor.clientWidth - 16;
  editor.colorTextbox = std::make_unique<ColorTextbox>(window, instance);
  editor.colorGroup = std::make_unique<Panekin::PropertyGroup>(
      ui_strings::kColorGroup, window, instance, kColorRowY, rowWidth, kColorIdBase,
      editor.colorTextbox->Window(), font);
  editor.opacityTextbox =
      std::make_unique<Panekin::NumberTextbox>(window, instance, kOpacityEntryId);
  editor.opacityGroup = std::make_unique<Panekin::PropertyGroup>(
      ui_strings::kOpacityGroup, window, instance, kOpacityRowY, rowWidth, kOpacityIdBase,
      editor.opacityTextbox->Window(), font);
  EnablePropertyGroups(false, false);
}

void DestroyPropertyPanel() {
  EditorState& editor = Editor();
  editor.colorTextbox.reset();
  editor.colorGroup.reset();
  editor.opacityTextbox.reset();
  editor.opacityGroup.reset();
}

void EnablePropertyGroups(bool colorRow, bool opacityRow) {
  EditorState& editor = Editor();
  if (editor.colorGroup) editor.colorGroup->Enable(colorRow);
  if (editor.opacityGroup) editor.opacityGroup->Enable(opacityRow);
}
