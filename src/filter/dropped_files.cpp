#include "filter/dropped_files.h"

#include "filter/editor_state.h"
#include "filter/gradient_import.h"

void LoadDroppedGradation(HDROP drop, HWND window) {
  const int32_t index = Editor().canvas.currentIndex;
  char path[MAX_PATH] = {};
  const bool named = DragQueryFileA(drop, 0, path, MAX_PATH) != 0;
  DragFinish(drop);
  // A failed drop stays silent: the gradation stays as it was.
  if (named) LoadGradientFileInto(index, path, window, BankChangeReason::Drop, nullptr);
  InvalidateCanvas(window);
}
