// Reading back what a window shows, for screenshots.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

struct CapturedImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows from the top
};

// Repaints the window and its children, lets every waiting message run, then
// copies the client area. Empty on failure.
CapturedImage CaptureClientArea(HWND window);
