#include "window_capture.h"

#include <cstring>

#include "host_window.h"

namespace {

// Copies width x height pixels from the device context's origin.
CapturedImage CopyFromDc(HDC source, int width, int height) {
  CapturedImage image;
  if (width <= 0 || height <= 0) return image;
  BITMAPINFO info;
  std::memset(&info, 0, sizeof info);
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;

  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memoryDc = CreateCompatibleDC(source);
  if (bitmap != nullptr && memoryDc != nullptr) {
    HGDIOBJ previous = SelectObject(memoryDc, bitmap);
    if (BitBlt(memoryDc, 0, 0, width, height, source, 0, 0, SRCCOPY | CAPTUREBLT)) {
      GdiFlush();
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
  return image;
}

}  // namespace

CapturedImage CaptureClientArea(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpWaitingMessages();
  GdiFlush();

  RECT client;
  if (!GetClientRect(window, &client)) return {};
  HDC dc = GetDC(window);
  if (dc == nullptr) return {};
  CapturedImage image = CopyFromDc(dc, client.right, client.bottom);
  ReleaseDC(window, dc);
  return image;
}

CapturedImage CaptureWholeWindow(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  GdiFlush();
  RECT frame;
  if (!GetWindowRect(window, &frame)) return {};
  HDC dc = GetWindowDC(window);
  if (dc == nullptr) return {};
  CapturedImage image = CopyFromDc(dc, frame.right - frame.left, frame.bottom - frame.top);
  ReleaseDC(window, dc);
  return image;
}
