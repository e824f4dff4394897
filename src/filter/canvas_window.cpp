#include "filter/canvas_window.h"

#include "editor/canvas_raster.h"
#include "filter/editor_state.h"

namespace {

uint32_t ButtonFace() {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  return static_cast<uint32_t>(GetRValue(face)) << 16 |
         static_cast<uint32_t>(GetGValue(face)) << 8 | GetBValue(face);
}

}  // namespace

void HandlePaint(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  Editor().canvas.clientWidth = client.right - client.left;
  PaintCanvas(window);
}

void PaintCanvas(HWND window) {
  const EditorState& editor = Editor();
  const GradationData* shown = ShownGradation(editor.canvas);
  if (shown == nullptr) return;  // nothing shown before the first update
  RECT client;
  GetClientRect(window, &client);
  const int32_t width = client.right - client.left;
  CanvasRaster raster;
  RenderCanvas(*shown, width, editor.canvas.clientWidth, ButtonFace(), raster);
  if (raster.width <= 0) return;

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = raster.width;
  info.bmiHeader.biHeight = -kCanvasRows;  // top-down, like the raster
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC dc = GetDC(window);
  if (dc == nullptr) return;
  SetDIBitsToDevice(dc, 0, kCanvasTop, static_cast<DWORD>(raster.width), kCanvasRows, 0, 0, 0,
                    kCanvasRows, raster.pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(window, dc);
}
