#include "filter/editor_state.h"

#include "filter/color_textbox.h"
#include "panekin/number_textbox.h"
#include "panekin/property_group.h"

EditorState::EditorState() = default;
EditorState::~EditorState() = default;

EditorState& Editor() {
  static EditorState state;
  return state;
}

void ForgetSelections() {
  EditorState& editor = Editor();
  editor.selectedColor = StopSelection{};
  editor.selectedAlpha = StopSelection{};
  editor.dragMode = 0;
}

void InvalidateCanvas(HWND window) { InvalidateRect(window, &Editor().canvasRect, FALSE); }
