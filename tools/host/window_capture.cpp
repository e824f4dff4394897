#include "window_capture.h"

#include <cstring>

#include "host_window.h"

CapturedImage CaptureClientArea(HWND window) {
  CapturedImage image;
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpWaitingMessages();
  GdiFlush();

  RECT client;
  if (!GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0) return image;
  const int width = client.right, height = client.bottom;

  BITMAPINFO info;
  std::memset(&info, 0, sizeof info);
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;

  HDC windowDc = GetDC(window);
  if (windowDc == nullptr) return image;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memoryDc = CreateCompatibleDC(windowDc);
  bool copied = false;
  if (bitmap != nullptr && memoryDc != nullptr) {
    HGDIOBJ previous = SelectObject(memoryDc, bitmap);
    copied = BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY | CAPTUREBLT) != 0;
    GdiFlush();
    if (copied) {
      const auto* words = static_cast<const uint32_t*>(bits);
      image.pixels.assign(words, words + static_cast<size_t>(width) * height);
      for (uint32_t& pixel : image.pixels) pixel &= 0x00FFFFFFu;
      image.width = width;
      image.height = height;
    }
    SelectObject(memoryDc, previous);
  }
  if (memoryDc != nullptr) DeleteDC(memoryDc);
  if (bitmap != nullptr) DeleteObject(bitmap);
  ReleaseDC(window, windowDc);
  return image;
}
