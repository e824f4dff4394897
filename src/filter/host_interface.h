// The host's filter interface as the library sees it: the 35-slot filter
// record (the descriptor the library hands out has the same layout; the host
// fills the slots the descriptor leaves null), the host function table and
// its system-information record. Declared with real pointer types, so that
// each architecture gets its natural layout: the shipped 32-bit one with
// 35 four-byte slots, and on the 64-bit test build every pointer, string,
// handle and callback slot 8 bytes while the integer slots stay int32.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

struct FilterRecord;
struct HostFunctionTable;

// Every host callback uses the C calling convention and returns a 32-bit int.
using InitCallback = int32_t(__cdecl*)(FilterRecord* filter);
using ExitCallback = int32_t(__cdecl*)(FilterRecord* filter);
using UpdateCallback = int32_t(__cdecl*)(FilterRecord* filter, int32_t status);
using WindowMessageCallback = int32_t(__cdecl*)(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam, void* editHandle,
                                                FilterRecord* filter);
using ProjectLoadCallback = int32_t(__cdecl*)(FilterRecord* filter, void* editHandle, void* data,
                                              int32_t size);
using ProjectSaveCallback = int32_t(__cdecl*)(FilterRecord* filter, void* editHandle, void* data,
                                              int32_t* size);

struct FilterRecord {
  int32_t flags;                        // 0x00
  int32_t windowWidth;                  // 0x04
  int32_t windowHeight;                 // 0x08
  const char* name;                     // 0x0C
  int32_t trackCount;                   // 0x10
  const char* const* trackNames;        // 0x14
  const int32_t* trackDefaults;         // 0x18
  const int32_t* trackMinimums;         // 0x1C
  const int32_t* trackMaximums;         // 0x20
  int32_t checkCount;                   // 0x24
  const char* const* checkNames;        // 0x28
  const int32_t* checkDefaults;         // 0x2C
  void* processFrame;                   // 0x30: none; the filter never touches frames
  InitCallback init;                    // 0x34
  ExitCallback exit;                    // 0x38
  UpdateCallback update;                // 0x3C
  WindowMessageCallback windowMessage;  // 0x40
  int32_t* trackValues;                 // 0x44: filled by the host
  int32_t* checkValues;                 // 0x48: filled by the host
  void* extraData;                      // 0x4C
  int32_t extraDataSize;                // 0x50
  const char* information;              // 0x54
  void* saveStart;                      // 0x58
  void* saveEnd;                        // 0x5C
  HostFunctionTable* host;              // 0x60: filled by the host
  HWND window;                          // 0x64: filled by the host
  HINSTANCE instance;                   // 0x68: filled by the host
  void* defaultExtraData;               // 0x6C
  void* isSavedFrame;                   // 0x70
  ProjectLoadCallback projectLoad;      // 0x74
  ProjectSaveCallback projectSave;      // 0x78
  void* modifyTitle;                    // 0x7C
  const char* libraryPath;              // 0x80
  int32_t reserved[2];                  // 0x84, 0x88
};

// What the host's system-information query fills: fifteen int32 values, the
// user-interface font (the only field the library reads), five more int32.
struct HostSystemInfo {
  int32_t unread[15];
  HFONT uiFont;  // 0x3C; 0x40 on 64-bit
  int32_t unreadTail[5];
};

using SystemInfoQuery = int32_t(__cdecl*)(void* editHandle, HostSystemInfo* info);

// The host function table; the library calls only entry 40, the system query.
struct HostFunctionTable {
  void* entries[40];
  SystemInfoQuery querySystemInfo;  // 0xA0; 0x140 on 64-bit
};

// The shipped 32-bit layout, fixed by the host.
constexpr bool kLayout32 = sizeof(void*) == 4;
static_assert(!kLayout32 || sizeof(FilterRecord) == 140, "35 slots of 32 bits");
static_assert(!kLayout32 || offsetof(FilterRecord, name) == 0x0C);
static_assert(!kLayout32 || offsetof(FilterRecord, checkDefaults) == 0x2C);
static_assert(!kLayout32 || offsetof(FilterRecord, windowMessage) == 0x40);
static_assert(!kLayout32 || offsetof(FilterRecord, trackValues) == 0x44);
static_assert(!kLayout32 || offsetof(FilterRecord, information) == 0x54);
static_assert(!kLayout32 || offsetof(FilterRecord, host) == 0x60);
static_assert(!kLayout32 || offsetof(FilterRecord, window) == 0x64);
static_assert(!kLayout32 || offsetof(FilterRecord, instance) == 0x68);
static_assert(!kLayout32 || offsetof(FilterRecord, projectLoad) == 0x74);
static_assert(!kLayout32 || offsetof(FilterRecord, projectSave) == 0x78);
static_assert(!kLayout32 || offsetof(FilterRecord, libraryPath) == 0x80);
static_assert(!kLayout32 || offsetof(FilterRecord, reserved) == 0x84);
static_assert(!kLayout32 || sizeof(HostSystemInfo) == 84);
static_assert(!kLayout32 || offsetof(HostSystemInfo, uiFont) == 0x3C);
static_assert(!kLayout32 || offsetof(HostFunctionTable, querySystemInfo) == 0xA0);

// The 64-bit test build: the same slots, 8-byte pointers, natural alignment.
constexpr bool kLayout64 = sizeof(void*) == 8;
static_assert(!kLayout64 || sizeof(FilterRecord) == 264);
static_assert(!kLayout64 || offsetof(FilterRecord, name) == 0x10);
static_assert(!kLayout64 || offsetof(FilterRecord, trackCount) == 0x18);
static_assert(!kLayout64 || offsetof(FilterRecord, checkCount) == 0x40);
static_assert(!kLayout64 || offsetof(FilterRecord, windowMessage) == 0x78);
static_assert(!kLayout64 || offsetof(FilterRecord, extraDataSize) == 0x98);
static_assert(!kLayout64 || offsetof(FilterRecord, information) == 0xA0);
static_assert(!kLayout64 || offsetof(FilterRecord, host) == 0xB8);
static_assert(!kLayout64 || offsetof(FilterRecord, projectLoad) == 0xE0);
static_assert(!kLayout64 || offsetof(FilterRecord, projectSave) == 0xE8);
static_assert(!kLayout64 || offsetof(FilterRecord, libraryPath) == 0xF8);
static_assert(!kLayout64 || offsetof(FilterRecord, reserved) == 0x100);
static_assert(!kLayout64 || sizeof(HostSystemInfo) == 96);
static_assert(!kLayout64 || offsetof(HostSystemInfo, uiFont) == 0x40);
static_assert(!kLayout64 || offsetof(HostFunctionTable, querySystemInfo) == 0x140);

// Update statuses the filter acts on, and the host's own reset message (its
// button commands are in control_ids.h).
constexpr int32_t kUpdateAllValues = 0;
constexpr int32_t kUpdateFirstTrack = 0x10000;
constexpr UINT kHostResetMessage = WM_USER + 101;  // 1125
