// The editor's repaint under Wine: one drag step on the host program's filter
// window (WM_MOUSEMOVE while a stop is dragged, then the WM_PAINT it causes,
// with the canvas drawn and copied to the window) against an empty WM_PAINT of
// the same window, on the canvas width the host gives (the descriptor asks for
// none of its own). Also the paint alone, without the mouse message; the
// canvas raster alone is in script_face_bench. Times are medians of batches.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "editor/canvas_layout.h"
#include "filter_host.h"
#include "host_window.h"
#include "lua_runner.h"
#include "plugin_library.h"

namespace {

constexpr int kBatches = 25;
constexpr int kStepsPerBatch = 80;

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The median over batches of one step's time, in microseconds.
template <typename Step>
double MedianMicroseconds(Step step) {
  for (int i = 0; i < kStepsPerBatch; ++i) step(i);  // warm up
  std::vector<double> batches;
  for (int b = 0; b < kBatches; ++b) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < kStepsPerBatch; ++i) step(i);
    GdiFlush();
    QueryPerformanceCounter(&end);
    batches.push_back(Seconds(start, end) * 1e6 / kStepsPerBatch);
  }
  std::sort(batches.begin(), batches.end());
  return batches[batches.size() / 2];
}

LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

// The gradation the drag works on: four colour stops and transparency below
// 100 %, so the bar is blended over its checkerboard.
const char kGradationScript[] = R"(
Velumbra.SetGradationData(1,
  { { value = 0x1A2A6C, point = 0 }, { value = 0xB21F1F, point = 35 },
    { value = 0xFDBB2D, point = 70 }, { value = 0x20C0A0, point = 100 } },
  { { value = 100, point = 0 }, { value = 35, point = 60 }, { value = 90, point = 100 } })
)";

bool WriteScript(std::string& path) {
  char folder[MAX_PATH], file[MAX_PATH];
  if (GetTempPathA(MAX_PATH, folder) == 0 || GetTempFileNameA(folder, "vlb", 0, file) == 0) {
    return false;
  }
  path = file;
  HANDLE handle = CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok =
      WriteFile(handle, kGradationScript, sizeof kGradationScript - 1, &written, nullptr) &&
      written == sizeof kGradationScript - 1;
  CloseHandle(handle);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string libraryPath = argc > 1 ? argv[1] : VELUMBRA_LIBRARY_PATH;
  std::string error;
  PluginLibrary plugin = LoadPluginLibrary(libraryPath, error);
  if (plugin.module == nullptr || plugin.descriptor == nullptr) {
    std::fprintf(stderr, "cannot load %s: %s\n", libraryPath.c_str(), error.c_str());
    return 1;
  }
  FilterHost filter(*plugin.descriptor);
  HostWindow window;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!window.Create(instance, "repaint", &filter, HostMenuState{}, [](HostCommand) {})) {
    std::fprintf(stderr, "cannot create the host window\n");
    return 1;
  }
  filter.Init(window.filterWindow(), plugin.module);
  ShowWindow(window.mainWindow(), SW_SHOWNORMAL);
  UpdateWindow(window.mainWindow());
  PumpWaitingMessages();
  HWND canvas = window.filterWindow();
  RECT client;
  GetClientRect(canvas, &client);
  const int width = client.right - client.left;
  const RECT canvasRect = {0, kCanvasTop, width, kCanvasBottom};

  // The filter window's own paint, its child controls (the panel) left for later.
  auto paintCanvas = [&] {
    RedrawWindow(canvas, nullptr, nullptr, RDW_UPDATENOW | RDW_NOCHILDREN);
  };
  auto invalidateAndPaint = [&](int) {
    InvalidateRect(canvas, &canvasRect, FALSE);
    paintCanvas();
  };

  // Before the first update nothing is shown: the plug-in's paint draws nothing.
  const double emptyPaint = MedianMicroseconds(invalidateAndPaint);

  std::string script;
  if (!WriteScript(script) || !RunLuaScript(plugin.module, script, error)) {
    std::fprintf(stderr, "cannot set the gradation: %s\n", error.c_str());
    return 1;
  }
  DeleteFileA(script.c_str());
  filter.UpdateAll();
  UpdateWindow(canvas);
  const double paint = MedianMicroseconds(invalidateAndPaint);

  // Press on the colour stop at 35, then drag it to and fro across the bar.
  const int y = kColorMarkerTop + 6;
  const int stopX = kInteriorLeft + (width - kMarkerSpanInset) * 35 / 100;
  SendMessageA(canvas, WM_LBUTTONDOWN, MK_LBUTTON, At(stopX, y));
  auto dragTo = [&](int i) {
    SendMessageA(canvas, WM_MOUSEMOVE, MK_LBUTTON, At(60 + (i * 37) % (width - 120), y));
  };
  const double dragStep = MedianMicroseconds([&](int i) {
    dragTo(i);
    paintCanvas();
  });
  // The message alone: the stop moved, the panel shown again, nothing painted.
  const double dragMessage = MedianMicroseconds(dragTo);
  // The step with the panel's entries, whose text it changed, painted as well.
  const double dragWithPanel = MedianMicroseconds([&](int i) {
    dragTo(i);
    UpdateWindow(canvas);
  });
  SendMessageA(canvas, WM_LBUTTONUP, 0, At(60, y));
  // What setting one panel entry costs, its command run nested: a position drag
  // sets the position entry alone, the others showing their values already.
  HWND entry = FindWindowExA(canvas, nullptr, "EDIT", nullptr);
  const double entryText = entry == nullptr ? 0.0 : MedianMicroseconds([&](int i) {
    SetWindowTextA(entry, i % 2 == 0 ? "102030" : "302010");
  });

  std::printf("Editor repaint, canvas %d pixels wide, median of %d batches of %d\n", width,
              kBatches, kStepsPerBatch);
  std::printf("%-48s %9.1f us\n", "empty WM_PAINT (nothing shown)", emptyPaint);
  std::printf("%-48s %9.1f us  %6.2fx the empty paint\n",
              "drag step (WM_MOUSEMOVE, canvas painted)", dragStep, dragStep / emptyPaint);
  std::printf("%-48s %9.1f us\n", "  WM_MOUSEMOVE alone", dragMessage);
  std::printf("%-48s %9.1f us  %6.2fx the empty paint\n", "  canvas WM_PAINT alone", paint,
              paint / emptyPaint);
  std::printf("%-48s %9.1f us\n", "  one panel entry's SetWindowText", entryText);
  std::printf("%-48s %9.1f us\n", "drag step with the panel's entries painted", dragWithPanel);

  filter.Exit();
  window.Destroy();
  PumpWaitingMessages();
  UnloadPluginLibrary(plugin);
  return 0;
}
