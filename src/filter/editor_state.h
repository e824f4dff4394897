// What the editor window remembers between messages: one process-wide record,
// shared with the script face, which repaints when it replaces the shown
// gradation.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "model/gradation.h"

class ColorTextbox;
namespace Panekin {
class NumberTextbox;
class PropertyGroup;
}  // namespace Panekin

// A selected stop, held by serial: a stop found again by serial cannot be a
// stale reference into a list that has since been re-sorted or replaced.
struct StopSelection {
  bool valid = false;
  int32_t serial = 0;
};

struct EditorState {
  EditorState();
  ~EditorState();

  int32_t currentIndex = 0;
  int32_t clientWidth = 0;
  // The panel's objects, from InitFilter to ExitFilter; their windows belong
  // to the filter window.
  std::unique_ptr<ColorTextbox> colorTextbox;
  std::unique_ptr<Panekin::PropertyGroup> colorGroup;
  std::unique_ptr<Panekin::NumberTextbox> opacityTextbox;
  std::unique_ptr<Panekin::PropertyGroup> opacityGroup;
  GradationData* current = nullptr;  // bank entry currentIndex; null until the first update
  HWND window = nullptr;
  int32_t dragMode = 0;  // 0 none, 1 colour stop, 2 transparency stop
  StopSelection selectedColor;
  StopSelection selectedAlpha;
  RECT canvasRect = {0, 0, 0, 0};
  bool insideBand = true;
  COLORREF customColors[16] = {};
};

EditorState& Editor();

// The shown gradation's lists were switched or replaced: nothing selected in
// them may be written or looked up again.
void ForgetSelections();

void InvalidateCanvas(HWND window);
