#include "panekin/color_static_box.h"

namespace Panekin {

ColorStaticBox::ColorStaticBox(HWND parent, HINSTANCE instance, int controlId) {
  boxWindow_ = CreateWindowExA(
      WS_EX_CLIENTEDGE, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 0, 0, 64, 18, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance, nullptr);
  Subclass(boxWindow_);
}

ColorStaticBox::~ColorStaticBox() {
  Detach();
  if (brush_ != nullptr) DeleteObject(brush_);
}

void ColorStaticBox::SetColor(uint32_t color) {
  const uint32_t shown =
      static_cast<uint32_t>(red_) << 16 | static_cast<uint32_t>(green_) << 8 | blue_;
  if (brush_ != nullptr && (color & 0xFFFFFFu) == shown) return;
  red_ = static_cast<uint8_t>(color >> 16);
  green_ = static_cast<uint8_t>(color >> 8);
  blue_ = static_cast<uint8_t>(color);
  if (brush_ != nullptr) DeleteObject(brush_);
  brush_ = CreateSolidBrush(RGB(red_, green_, blue_));
  UpdateWindow(boxWindow_);
  InvalidateRect(boxWindow_, nullptr, TRUE);
}

LRESULT ColorStaticBox::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT && brush_ != nullptr && IsWindowEnabled(window)) {
    RECT client;
    GetClientRect(window, &client);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    FillRect(dc, &client, brush_);
    EndPaint(window, &paint);
    return 1;
  }
  return CallPreviousProc(window, message, wParam, lParam);
}

}  // namespace Panekin
