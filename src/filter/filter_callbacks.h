// The filter's life-cycle callbacks, as the host calls them: C calling
// convention, 32-bit results.
#pragma once

#include <windows.h>

#include <cstdint>

#include "filter/host_interface.h"

extern "C" {

int32_t __cdecl InitFilter(FilterRecord* filter);
int32_t __cdecl ExitFilter(FilterRecord* filter);
int32_t __cdecl UpdateFilter(FilterRecord* filter, int32_t status);
int32_t __cdecl FilterWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 void* editHandle, FilterRecord* filter);
}
