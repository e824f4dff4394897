// A plug-in that records how the host calls it, for the host's own tests.
#pragma once

#include <windows.h>

#include <cstdint>

enum class FakeCall { kInit, kUpdate, kMessage, kProjectSave, kProjectLoad, kExit };

struct FakeEvent {
  FakeCall call;
  const void* record;  // the filter record the host passed
  int32_t trackValue;  // track 0 at the time of the call
  int32_t status;      // update
  UINT message;        // window message
  WPARAM wParam;
  LPARAM lParam;
  HWND window;      // window-message argument, or the record's window slot
  bool bufferNull;  // project save
  int32_t size;     // project load: the size given; save: the size place on entry
};

// What InitFilter saw of the record and the host's system-information query.
struct FakeInitView {
  HWND window;
  HINSTANCE instance;
  bool hostTable;
  int32_t queryResult;
  HFONT font;
};

using FakeEventCountFn = int (*)();
using FakeEventAtFn = const FakeEvent* (*)(int index);
using FakeInitViewFn = const FakeInitView* (*)();
using FakeResetFn = void (*)();
// The project block the save hook reports, and how many bytes it writes
// beyond it; or one of these misbehaviours instead of a count.
constexpr int32_t kFakeHookFails = -1;
constexpr int32_t kFakeNegativeSize = -2;
using FakeSetProjectFn = void (*)(const uint8_t* bytes, int32_t size, int32_t overrun);
// The bytes the last load hook call received.
using FakeLoadedFn = const uint8_t* (*)(int32_t* size);
