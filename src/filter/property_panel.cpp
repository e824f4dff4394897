#include "filter/property_panel.h"

#include <commdlg.h>

#include "editor/canvas_editing.h"
#include "editor/panel_values.h"
#include "editor/ui_strings.h"
#include "filter/color_textbox.h"
#include "filter/control_ids.h"
#include "filter/editor_state.h"
#include "filter/gradation_dialogs.h"
#include "panekin/number_textbox.h"
#include "panekin/property_group.h"

namespace {

constexpr int kColorRowY = 142;
constexpr int kOpacityRowY = 196;
constexpr uint16_t kEntryChanged = EN_UPDATE;

static_assert(sizeof(CHOOSECOLORA) == (sizeof(void*) == 4 ? 36 : 72),
              "the colour dialog record of its full size");

bool PanelExists() {
  const EditorState& editor = Editor();
  return editor.colorTextbox && editor.groups[StopTrack::Color] && editor.opacityTextbox &&
         editor.groups[StopTrack::Alpha];
}

// The typed number held to 0..100; an entry outside it is rewritten, which
// runs this command once more, nested, with the held value.
float TypedPercent(Panekin::NumberTextbox& box) {
  double value = box.GetValue();
  if (!KeepTypedPercent(&value)) box.SetValue(value);
  return static_cast<float>(value);
}

// A value typed into one field of one stop: a step, unless the panel is only
// showing the selection again. Typing on in the same field extends the step.
void RecordTyped(const GradationData& before, EditKind kind, StopTrack track, int32_t serial) {
  EditorState& editor = Editor();
  if (editor.panelRefreshing) return;
  RecordShownEdit(editor.canvas, editor.histories, before, kind, EditTarget{track, serial});
}

void ApplyTypedColor() {
  EditorState& editor = Editor();
  ColorStop* stop = SelectedColorStop(editor.canvas);
  if (stop == nullptr) return;
  const GradationData before = *ShownGradation(editor.canvas);
  const int32_t serial = stop->serial;
  const Rgb color = editor.colorTextbox->GetColor(true);
  stop->red = color.red;
  stop->green = color.green;
  stop->blue = color.blue;
  editor.groups[StopTrack::Color]->ColorBox().SetColor(PackedFromStop(*stop));
  RecordTyped(before, EditKind::TypeColor, StopTrack::Color, serial);
}

void ApplyTypedPosition(StopTrack track) {
  EditorState& editor = Editor();
  const StopSelection selection = editor.canvas.selected[track];
  if (SelectedStopIndex(editor.canvas, track) < 0) return;
  const GradationData before = *ShownGradation(editor.canvas);
  const float position = TypedPercent(editor.groups[track]->NumberBox());
  MoveSelectedStop(editor.canvas, track, position);
  if (ShownGradation(editor.canvas) != nullptr) {
    RecordTyped(before, EditKind::TypePosition, track, selection.serial);
  }
}

void ApplyTypedOpacity() {
  EditorState& editor = Editor();
  if (SelectedAlphaStop(editor.canvas) == nullptr) return;
  const GradationData before = *ShownGradation(editor.canvas);
  const float opacity = TypedPercent(*editor.opacityTextbox);
  // Looked up again: the nested command of a rewritten entry ran meanwhile.
  AlphaStop* stop = SelectedAlphaStop(editor.canvas);
  if (stop == nullptr) return;
  stop->opacity = opacity;
  editor.groups[StopTrack::Alpha]->ColorBox().SetColor(GreyOfOpacity(opacity));
  RecordTyped(before, EditKind::TypeOpacity, StopTrack::Alpha, stop->serial);
}

// Shows a value unless the entry shows it already. Setting an entry is several
// round trips to the window system, and its change notification echoes the
// value back to the stop: at every mouse move of a drag, for each entry. A
// number is set again when its text reads back as another value ("35.2" for
// 35.25), so that the echo still puts the stop where the panel says.
void ShowColor(ColorTextbox& box, uint32_t color) {
  if (!box.Shows(color)) box.SetValue(color);
}

void ShowPercent(Panekin::NumberTextbox& box, float value) {
  if (box.Shows(value)) {
    double readBack = box.GetValue();
    KeepTypedPercent(&readBack);
    if (static_cast<float>(readBack) == value) return;
  }
  box.SetValue(value);
}

// Marks the panel's own echoes, nested or not, as no typed step.
class PanelEcho {
 public:
  PanelEcho() : previous_(Editor().panelRefreshing) { Editor().panelRefreshing = true; }
  ~PanelEcho() { Editor().panelRefreshing = previous_; }
  PanelEcho(const PanelEcho&) = delete;
  PanelEcho& operator=(const PanelEcho&) = delete;

 private:
  bool previous_;
};

}  // namespace

void CreatePropertyPanel(HINSTANCE instance, HWND window, HFONT font) {
  EditorState& editor = Editor();
  const int rowWidth = editor.canvas.clientWidth - 16;
  editor.colorTextbox = std::make_unique<ColorTextbox>(window, instance);
  editor.groups[StopTrack::Color] = std::make_unique<Panekin::PropertyGroup>(
      ui_strings::kColorGroup, window, instance, kColorRowY, rowWidth, kColorGroupId,
      editor.colorTextbox->Window(), font);
  editor.opacityTextbox =
      std::make_unique<Panekin::NumberTextbox>(window, instance, kOpacityEntryId);
  editor.groups[StopTrack::Alpha] = std::make_unique<Panekin::PropertyGroup>(
      ui_strings::kOpacityGroup, window, instance, kOpacityRowY, rowWidth, kOpacityGroupId,
      editor.opacityTextbox->Window(), font);
  DisablePropertyGroups();
}

void DestroyPropertyPanel() {
  EditorState& editor = Editor();
  editor.colorTextbox.reset();
  editor.groups[StopTrack::Color].reset();
  editor.opacityTextbox.reset();
  editor.groups[StopTrack::Alpha].reset();
}

void DisablePropertyGroups() {
  for (const auto& group : Editor().groups.byTrack) {
    if (group) group->Enable(false);
  }
}

void RefreshPanel() {
  if (!PanelExists()) return;
  EditorState& editor = Editor();
  Panekin::PropertyGroup& colorGroup = *editor.groups[StopTrack::Color];
  Panekin::PropertyGroup& opacityGroup = *editor.groups[StopTrack::Alpha];
  const PanelEcho echo;
  // Every SetValue runs the entry's command nested, which may move the stop
  // or drop the selection: each step looks the stop up afresh.
  if (const ColorStop* stop = SelectedColorStop(editor.canvas)) {
    ShowColor(*editor.colorTextbox, PackedFromStop(*stop));
    if ((stop = SelectedColorStop(editor.canvas)) != nullptr) {
      ShowPercent(colorGroup.NumberBox(), stop->position);
    }
    if ((stop = SelectedColorStop(editor.canvas)) != nullptr) {
      colorGroup.ColorBox().SetColor(PackedFromStop(*stop));
    }
  }
  if (const AlphaStop* stop = SelectedAlphaStop(editor.canvas)) {
    ShowPercent(*editor.opacityTextbox, stop->opacity);
    if ((stop = SelectedAlphaStop(editor.canvas)) != nullptr) {
      ShowPercent(opacityGroup.NumberBox(), stop->position);
    }
    if ((stop = SelectedAlphaStop(editor.canvas)) != nullptr) {
      opacityGroup.ColorBox().SetColor(GreyOfOpacity(stop->opacity));
    }
  }
}

bool ChooseStopColor(HWND owner) {
  EditorState& editor = Editor();
  if (!editor.colorTextbox) return false;
  const COLORREF initial =
      RedLowestFromPacked(static_cast<uint32_t>(editor.colorTextbox->GetValue()));
  editor.customColors[0] = initial;
  CHOOSECOLORA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.rgbResult = initial;
  dialog.lpCustColors = editor.customColors;
  dialog.Flags = CC_RGBINIT;
  if (!ChooseColorA(&dialog)) return false;
  // The entry passes the colour on to the stop through its change notification.
  if (!editor.colorTextbox) return true;
  const GradationData* shown = ShownGradation(editor.canvas);
  if (shown == nullptr) {
    editor.colorTextbox->SetValue(PackedFromRedLowest(dialog.rgbResult));
    return true;
  }
  const GradationData before = *shown;
  {
    const PanelEcho echo;
    editor.colorTextbox->SetValue(PackedFromRedLowest(dialog.rgbResult));
  }
  RecordShownEdit(editor.canvas, editor.histories, before, EditKind::DialogColor);
  return true;
}

int32_t HandlePanelCommand(FilterRecord* filter, uint16_t code, HWND window, uint16_t controlId) {
  switch (controlId) {
    case kColorEntryId:
      if (code == kEntryChanged && PanelExists()) ApplyTypedColor();
      break;
    case kColorPositionId:
      if (code == kEntryChanged && PanelExists()) ApplyTypedPosition(StopTrack::Color);
      break;
    case kColorBoxId:
      if (code == 0) {
        if (!ChooseStopColor(window)) return 0;
        RefreshPanel();
      }
      break;
    case kOpacityEntryId:
      if (code == kEntryChanged && PanelExists()) ApplyTypedOpacity();
      break;
    case kOpacityPositionId:
      if (code == kEntryChanged && PanelExists()) ApplyTypedPosition(StopTrack::Alpha);
      break;
    case kGreyBoxId:
      break;
    case kLoadButtonCommand:
      LoadGradationWithDialog(filter);
      break;
    case kSaveButtonCommand:
      SaveGradationWithDialog(filter);
      break;
    default:
      return 0;
  }
  InvalidateCanvas(window);
  return 1;
}
