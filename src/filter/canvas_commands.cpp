#include "filter/canvas_commands.h"

#include "editor/canvas_layout.h"
#include "editor/editor_commands.h"
#include "editor/eyedropper.h"
#include "editor/ui_strings.h"
#include "filter/canvas_mouse.h"
#include "filter/control_ids.h"
#include "filter/editor_state.h"
#include "filter/gradation_clipboard.h"
#include "filter/preset_menu.h"
#include "filter/screen_eyedropper.h"

namespace {

constexpr float kSmallNudge = 0.1f;
constexpr float kLargeNudge = 1.0f;

void AddItem(HMENU menu, uint16_t command, const char* text, bool enabled) {
  AppendMenuA(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), command, text);
}

// The distribute item for a click on a marker row: it acts on that track only.
constexpr PerTrack<uint16_t> kDistributeTrackCommand = {
    {kMenuDistributeColor, kMenuDistributeAlpha}};

bool Down(int key) { return (GetKeyState(key) & 0x8000) != 0; }

CanvasEffects Paste(HWND window, EditorState& editor) {
  if (!CanEditShown(editor.canvas)) return {};
  const std::optional<GradationData> pasted = GradationFromClipboard(window);
  if (!pasted) return {};
  return ReplaceShown(editor.canvas, editor.histories, *pasted, EditKind::Paste);
}

void ApplyPreset(HWND window, const GradationData& preset) {
  EditorState& editor = Editor();
  if (!CanEditShown(editor.canvas)) return;
  ApplyCanvasEffects(window,
                     ReplaceShown(editor.canvas, editor.histories, preset, EditKind::Preset));
}

}  // namespace

HMENU BuildCanvasMenu(std::optional<StopTrack> markerRow, PresetMenu& presets) {
  EditorState& editor = Editor();
  CanvasEditing& canvas = editor.canvas;
  const bool editable = CanEditShown(canvas);
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr) return nullptr;
  AddItem(menu, kMenuUndoCommand, ui_strings::kMenuUndo, CanUndo(canvas, editor.histories));
  AddItem(menu, kMenuRedoCommand, ui_strings::kMenuRedo, CanRedo(canvas, editor.histories));
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AddItem(menu, kMenuCopyCommand, ui_strings::kMenuCopy, editable);
  AddItem(menu, kMenuPasteCommand, ui_strings::kMenuPaste, editable && ClipboardMayHoldGradation());
  AddItem(menu, kMenuPickColor, ui_strings::kMenuEyedropper, CanPickColor(canvas));
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AddItem(menu, kMenuReverseCommand, ui_strings::kMenuReverse, editable);
  const uint16_t distribute = markerRow ? kDistributeTrackCommand[*markerRow] : kMenuDistributeBoth;
  const TrackSet tracks = markerRow ? OnlyTrack(*markerRow) : kBothTracks;
  AddItem(menu, distribute, ui_strings::kMenuDistribute, CanDistribute(canvas, tracks));
  AddItem(menu, kMenuDeleteCommand, ui_strings::kMenuDelete, CanDeleteSelectedStop(canvas));
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AddItem(menu, kMenuResetCommand, ui_strings::kMenuReset, editable);
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  presets.AppendTo(menu, editable);
  return menu;
}

bool HandleCanvasContextMenu(HWND window, LPARAM screenPoint) {
  const RECT& canvas = Editor().canvasRect;
  POINT at = {static_cast<int16_t>(LOWORD(screenPoint)), static_cast<int16_t>(HIWORD(screenPoint))};
  POINT client = at;
  const bool fromKeyboard = at.x == -1 && at.y == -1;
  if (fromKeyboard) {
    client = POINT{(canvas.left + canvas.right) / 2, (kBarTop + kBarBottom) / 2};
    at = client;
    ClientToScreen(window, &at);
  } else {
    ScreenToClient(window, &client);
    if (!PtInRect(&canvas, client)) return false;
  }
  PresetMenu presets;
  HMENU menu = BuildCanvasMenu(TrackAtRow(client.y), presets);
  if (menu == nullptr) return true;
  const int command = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x,
                                     at.y, 0, window, nullptr);
  DestroyMenu(menu);
  // The preset shown in the menu, even if the folder has changed since.
  if (const GradationData* preset = presets.Chosen(static_cast<uint16_t>(command))) {
    ApplyPreset(window, *preset);
  } else if (command != 0) {
    RunCanvasCommand(window, static_cast<uint16_t>(command));
  }
  return true;
}

bool RunCanvasCommand(HWND window, uint16_t command) {
  EditorState& editor = Editor();
  CanvasEditing& canvas = editor.canvas;
  EditHistories& histories = editor.histories;
  CanvasEffects effects;
  switch (command) {
    case kMenuUndoCommand:
      effects = UndoEdit(canvas, histories);
      break;
    case kMenuRedoCommand:
      effects = RedoEdit(canvas, histories);
      break;
    case kMenuCopyCommand:
      if (CanEditShown(canvas)) CopyGradationToClipboard(window, *ShownGradation(canvas));
      return true;
    case kMenuPasteCommand:
      effects = Paste(window, editor);
      break;
    case kMenuReverseCommand:
      effects = ReverseShown(canvas, histories);
      break;
    case kMenuDistributeColor:
      effects = DistributeShown(canvas, histories, OnlyTrack(StopTrack::Color));
      break;
    case kMenuDistributeAlpha:
      effects = DistributeShown(canvas, histories, OnlyTrack(StopTrack::Alpha));
      break;
    case kMenuDistributeBoth:
      effects = DistributeShown(canvas, histories, kBothTracks);
      break;
    case kMenuDeleteCommand:
      effects = DeleteSelectedStop(canvas, histories);
      break;
    case kMenuResetCommand:
      effects = ResetShown(canvas, histories);
      break;
    case kMenuPickColor:
      StartEyedropper(window);
      return true;
    default:
      // A preset's command as WM_COMMAND: the list as it is now.
      if (command >= kMenuPresetFirst && command <= kMenuPresetLast) {
        PresetMenu presets;
        if (const GradationData* preset = presets.Chosen(command)) ApplyPreset(window, *preset);
        return true;
      }
      return false;
  }
  ApplyCanvasEffects(window, effects);
  return true;
}

bool HandleEditorKey(HWND window, WPARAM key) {
  const bool control = Down(VK_CONTROL);
  const bool shift = Down(VK_SHIFT);
  uint16_t command = 0;
  if (control && key == 'Z') {
    command = shift ? kMenuRedoCommand : kMenuUndoCommand;
  } else if (control && key == 'Y') {
    command = kMenuRedoCommand;
  } else if (control && key == 'C') {
    command = kMenuCopyCommand;
  } else if (control && key == 'V') {
    command = kMenuPasteCommand;
  } else if (!control && key == 'I') {
    command = kMenuPickColor;
  } else if (!control && key == VK_DELETE) {
    command = kMenuDeleteCommand;
  } else if (!control && (key == VK_LEFT || key == VK_RIGHT)) {
    const float step = shift ? kLargeNudge : kSmallNudge;
    EditorState& editor = Editor();
    ApplyCanvasEffects(
        window, NudgeSelectedStop(editor.canvas, editor.histories, key == VK_LEFT ? -step : step));
    return true;
  }
  return command != 0 && RunCanvasCommand(window, command);
}
