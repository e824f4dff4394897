#include "filter/dropped_files.h"

#include "filter/editor_state.h"
#include "persist/gradation_file.h"

void LoadDroppedGradation(HDROP drop, HWND window) {
  char path[MAX_PATH] = {};
  if (DragQueryFileA(drop, 0, path, MAX_PATH) != 0) {
    LoadGradationFile(path, Editor().currentIndex);
  }
  DragFinish(drop);
  InvalidateCanvas(window);
}
