#include "fake_filter_plugin.h"

#include <vector>

#include "editor/canvas_layout.h"
#include "editor/ui_strings.h"
#include "filter/host_interface.h"

#define FAKE_EXPORT extern "C" __declspec(dllexport)

namespace {

std::vector<FakeEvent> g_events;
FakeInitView g_initView;
std::vector<uint8_t> g_projectBytes;
int32_t g_overrun = 0;
std::vector<uint8_t> g_loaded;

FakeEvent Event(FakeCall call, const FilterRecord* record) {
  FakeEvent event{};
  event.call = call;
  event.record = record;
  event.window = record->window;
  event.trackValue = record->trackValues != nullptr ? record->trackValues[0] : -1;
  return event;
}

int32_t __cdecl Init(FilterRecord* record) {
  g_events.push_back(Event(FakeCall::kInit, record));
  g_initView = FakeInitView{};
  g_initView.window = record->window;
  g_initView.instance = record->instance;
  g_initView.hostTable = record->host != nullptr;
  if (record->host != nullptr && record->host->querySystemInfo != nullptr) {
    HostSystemInfo info;
    FillMemory(&info, sizeof info, 0xCC);
    g_initView.queryResult = record->host->querySystemInfo(nullptr, &info);
    g_initView.font = info.uiFont;
  }
  return 1;
}

int32_t __cdecl Exit(FilterRecord* record) {
  g_events.push_back(Event(FakeCall::kExit, record));
  return 1;
}

int32_t __cdecl Update(FilterRecord* record, int32_t status) {
  FakeEvent event = Event(FakeCall::kUpdate, record);
  event.status = status;
  g_events.push_back(event);
  return 1;
}

int32_t __cdecl WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, void*,
                              FilterRecord* record) {
  FakeEvent event = Event(FakeCall::kMessage, record);
  event.window = window;
  event.message = message;
  event.wParam = wParam;
  event.lParam = lParam;
  g_events.push_back(event);
  // A canvas band in one colour, painted as a filter paints: through its own
  // device context, leaving the rest of the window to the host.
  if (message == WM_PAINT) {
    // Through a device context of its own, as the real filter paints.
    HDC dc = GetDC(window);
    RECT client;
    GetClientRect(window, &client);
    const RECT canvas = {0, kCanvasTop, client.right, kCanvasBottom};
    HBRUSH brush = CreateSolidBrush(RGB(0x12, 0x34, 0x56));
    FillRect(dc, &canvas, brush);
    DeleteObject(brush);
    ReleaseDC(window, dc);
  }
  return 0;
}

int32_t __cdecl ProjectSave(FilterRecord* record, void*, void* data, int32_t* size) {
  FakeEvent event = Event(FakeCall::kProjectSave, record);
  event.bufferNull = data == nullptr;
  event.size = *size;
  g_events.push_back(event);
  if (g_overrun == kFakeHookFails) return 0;
  if (data == nullptr) {
    *size = g_overrun == kFakeNegativeSize ? -5 : static_cast<int32_t>(g_projectBytes.size());
    return 1;
  }
  auto* out = static_cast<uint8_t*>(data);
  for (size_t i = 0; i < g_projectBytes.size(); ++i) out[i] = g_projectBytes[i];
  for (int32_t i = 0; i < g_overrun; ++i) out[g_projectBytes.size() + i] = 0x5A;
  return 1;
}

int32_t __cdecl ProjectLoad(FilterRecord* record, void*, void* data, int32_t size) {
  FakeEvent event = Event(FakeCall::kProjectLoad, record);
  event.size = size;
  g_events.push_back(event);
  const auto* bytes = static_cast<const uint8_t*>(data);
  g_loaded.assign(bytes, bytes + size);
  return 1;
}

const char* const kTrackNames[] = {"ID"};
const int32_t kTrackDefaults[] = {3};
const int32_t kTrackMinimums[] = {1};
const int32_t kTrackMaximums[] = {50};
const char* const kCheckNames[] = {ui_strings::kLoadButton, ui_strings::kSaveButton};
const int32_t kCheckDefaults[] = {-1, -1};

FilterRecord MakeDescriptor() {
  FilterRecord d{};
  d.flags = 0x00044004;
  d.windowWidth = 0x30000000;
  d.windowHeight = 0x300000AC;
  d.name = "Fake filter";
  d.trackCount = 1;
  d.trackNames = kTrackNames;
  d.trackDefaults = kTrackDefaults;
  d.trackMinimums = kTrackMinimums;
  d.trackMaximums = kTrackMaximums;
  d.checkCount = 2;
  d.checkNames = kCheckNames;
  d.checkDefaults = kCheckDefaults;
  d.init = Init;
  d.exit = Exit;
  d.update = Update;
  d.windowMessage = WindowMessage;
  if (FAKE_PROJECT_HOOKS) {
    d.projectLoad = ProjectLoad;
    d.projectSave = ProjectSave;
  }
  return d;
}

FilterRecord g_descriptor = MakeDescriptor();

}  // namespace

FAKE_EXPORT FilterRecord* GetFilterTable() { return &g_descriptor; }
FAKE_EXPORT int FakeEventCount() { return static_cast<int>(g_events.size()); }
FAKE_EXPORT const FakeEvent* FakeEventAt(int index) { return &g_events.at(index); }
FAKE_EXPORT const FakeInitView* FakeInitViewOf() { return &g_initView; }
FAKE_EXPORT void FakeReset() {
  g_events.clear();
  g_loaded.clear();
}
FAKE_EXPORT void FakeSetProject(const uint8_t* bytes, int32_t size, int32_t overrun) {
  g_projectBytes.assign(bytes, bytes + size);
  g_overrun = overrun;
}
FAKE_EXPORT const uint8_t* FakeLoaded(int32_t* size) {
  *size = static_cast<int32_t>(g_loaded.size());
  return g_loaded.data();
}
