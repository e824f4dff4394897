// A minimal host for tests: loads the shipped library, hands it a filter
// record filled the way a host fills it, and routes every message of a real
// window with a 418-pixel client area to the filter's window procedure.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "editor/canvas_layout.h"
#include "filter/host_interface.h"

class FilterHarness {
 public:
  static constexpr int kClientWidth = 418;
  static constexpr int kClientHeight = 250;

  bool Load(const char* libraryPath) {
    library_ = LoadLibraryA(libraryPath);
    if (library_ == nullptr) return false;
    auto get = reinterpret_cast<FilterRecord*(__cdecl*)()>(
        reinterpret_cast<void (*)()>(GetProcAddress(library_, "GetFilterTable")));
    if (get == nullptr) return false;
    descriptor_ = get();
    record_ = *descriptor_;
    trackValues_[0] = descriptor_->trackDefaults[0];
    record_.trackValues = trackValues_;
    record_.checkValues = checkValues_;
    std::memset(&table_, 0, sizeof table_);
    table_.querySystemInfo = QuerySystemInfo;
    record_.host = &table_;
    record_.instance = library_;
    return true;
  }

  // Creates and shows the filter window, then calls InitFilter.
  int32_t CreateWindowAndInit() {
    current_ = this;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "VelumbraTestFilterWindow";
    RegisterClassA(&windowClass);
    RECT frame = {0, 0, kClientWidth, kClientHeight};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    window_ = CreateWindowA("VelumbraTestFilterWindow", "filter", WS_OVERLAPPEDWINDOW, 0, 0,
                            frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                            windowClass.hInstance, nullptr);
    record_.window = window_;
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    return record_.init(&record_);
  }

  int32_t Update(int32_t id, int32_t status) {
    trackValues_[0] = id;
    return record_.update(&record_, status);
  }

  int32_t Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return record_.windowMessage(window_, message, wParam, lParam, nullptr, &record_);
  }

  // Lets pending paints happen, bounded in time.
  void Pump() {
    UpdateWindow(window_);
    MSG message;
    const DWORD start = GetTickCount();
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) && GetTickCount() - start < 2000) {
      DispatchMessageA(&message);
    }
  }

  // The canvas rows as the window shows them, 0x00RRGGBB.
  std::vector<uint32_t> CanvasPixels() {
    std::vector<uint32_t> pixels(static_cast<size_t>(kClientWidth) * 56);
    HDC windowDc = GetDC(window_);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kClientWidth;
    info.bmiHeader.biHeight = -56;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memoryDc, bitmap);
    BitBlt(memoryDc, 0, 0, kClientWidth, kCanvasRows, windowDc, 0, kCanvasTop, SRCCOPY);
    GdiFlush();
    const auto* source = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = source[i] & 0xFFFFFF;
    SelectObject(memoryDc, old);
    DeleteObject(bitmap);
    DeleteDC(memoryDc);
    ReleaseDC(window_, windowDc);
    return pixels;
  }

  void Close() {
    if (window_ != nullptr) {
      record_.exit(&record_);
      DestroyWindow(window_);
      window_ = nullptr;
    }
  }

  FilterRecord* descriptor() const { return descriptor_; }
  FilterRecord& record() { return record_; }
  HWND window() const { return window_; }
  HMODULE library() const { return library_; }

 private:
  static int32_t __cdecl QuerySystemInfo(void* /*editHandle*/, HostSystemInfo* info) {
    std::memset(info, 0, sizeof *info);
    info->uiFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    return 1;
  }

  // As a host does: every message reaches the filter. A paint first erases
  // and validates the region, so the filter's own drawing lands on top.
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (current_ == nullptr || current_->window_ != window) {
      return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_PAINT) {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      EndPaint(window, &paint);
    }
    current_->record_.windowMessage(window, message, wParam, lParam, nullptr, &current_->record_);
    return message == WM_PAINT ? 0 : DefWindowProcA(window, message, wParam, lParam);
  }

  static inline FilterHarness* current_ = nullptr;
  HMODULE library_ = nullptr;
  FilterRecord* descriptor_ = nullptr;
  FilterRecord record_ = {};
  HostFunctionTable table_ = {};
  int32_t trackValues_[1] = {1};
  int32_t checkValues_[2] = {0, 0};
  HWND window_ = nullptr;
};
