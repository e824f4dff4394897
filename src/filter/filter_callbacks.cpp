#include "filter/filter_callbacks.h"

#include <shellapi.h>

#include "filter/canvas_mouse.h"
#include "filter/canvas_window.h"
#include "filter/dropped_files.h"
#include "filter/editor_state.h"
#include "filter/property_panel.h"
#include "lua/script_repaint_hook.h"
#include "model/banks.h"

namespace {

constexpr int32_t kCanvasRectTop = 78;
constexpr int32_t kCanvasRectBottom = 134;

// A script replaced a bank gradation: repaint at once if it is the one shown.
void RepaintIfShown(int32_t id) {
  EditorState& editor = Editor();
  if (editor.window == nullptr || editor.current == nullptr || id - 1 != editor.currentIndex) {
    return;
  }
  PaintCanvas(editor.window);
}

// Any replacement of the shown entry's lists makes its selections stale; the
// rows that showed them are disabled, since typing there could reach nothing.
void ForgetSelectionsInReplaced(int32_t firstIndex, int32_t count) {
  const int32_t shown = Editor().currentIndex;
  if (Editor().current != nullptr && shown >= firstIndex && shown - firstIndex < count) {
    ForgetSelections();
    EnablePropertyGroups(false, false);
  }
}

// Client coordinates arrive as two signed 16-bit halves.
int32_t LowX(LPARAM lParam) { return static_cast<int16_t>(LOWORD(lParam)); }
int32_t HighY(LPARAM lParam) { return static_cast<int16_t>(HIWORD(lParam)); }

HFONT HostUiFont(FilterRecord* filter) {
  if (filter->host == nullptr || filter->host->querySystemInfo == nullptr) return nullptr;
  HostSystemInfo info = {};
  if (filter->host->querySystemInfo(nullptr, &info) == 0) return nullptr;
  return info.uiFont;
}

}  // namespace

extern "C" {

int32_t __cdecl InitFilter(FilterRecord* filter) {
  EditorState& editor = Editor();
  editor.window = filter->window;
  ResetBankToDefaults();
  DragAcceptFiles(editor.window, TRUE);
  RECT client = {0, 0, 0, 0};
  GetClientRect(editor.window, &client);
  editor.canvasRect = RECT{0, kCanvasRectTop, client.right, kCanvasRectBottom};
  editor.clientWidth = client.right;
  editor.dragMode = 0;
  SetScriptReplacedGradationHook(RepaintIfShown);
  SetBankReplacedListener(ForgetSelectionsInReplaced);
  const HFONT font = HostUiFont(filter);
  if (font != nullptr) CreatePropertyPanel(filter->instance, editor.window, font);
  return 1;
}

int32_t __cdecl UpdateFilter(FilterRecord* filter, int32_t status) {
  if (status != kUpdateAllValues && status != kUpdateFirstTrack) return 1;
  // The descriptor confines the track to 1..50; a host that hands anything
  // else (or no values at all) must not make the editor index outside the bank.
  if (filter->trackValues == nullptr) return 1;
  const int32_t id = filter->trackValues[0];
  if (id < 1 || id > kBankSize) return 1;
  EditorState& editor = Editor();
  editor.currentIndex = id - 1;
  editor.current = &GradationBank[editor.currentIndex];
  ForgetSelections();
  InvalidateCanvas(editor.window);
  EnablePropertyGroups(false, false);
  return 1;
}

int32_t __cdecl FilterWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 void* /*editHandle*/, FilterRecord* filter) {
  switch (message) {
    case WM_PAINT:
      HandlePaint(window);
      return 0;
    case WM_COMMAND:
      return HandlePanelCommand(filter, HIWORD(wParam), window, LOWORD(wParam));
    case WM_MOUSEMOVE:
      return HandleMouseMove(window, LowX(lParam), HighY(lParam));
    case WM_LBUTTONDOWN:
      return HandleButtonDown(window, LowX(lParam), HighY(lParam));
    case WM_LBUTTONUP:
      return HandleButtonUp(window, LowX(lParam));
    case WM_CAPTURECHANGED:
      return HandleCaptureLost(window, reinterpret_cast<HWND>(lParam));
    case WM_DROPFILES:
      LoadDroppedGradation(reinterpret_cast<HDROP>(wParam), window);
      return 1;
    case kHostResetMessage:
      ResetBankToDefaults();
      return 0;
    default:
      return 0;
  }
}

int32_t __cdecl ExitFilter(FilterRecord* /*filter*/) {
  DestroyPropertyPanel();
  SetScriptReplacedGradationHook(nullptr);
  SetBankReplacedListener(nullptr);
  return 1;
}

}  // extern "C"
