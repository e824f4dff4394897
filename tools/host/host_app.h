// The host program from start to exit: load the plug-in, build the windows,
// drive the filter through its life cycle and run what the options ask for.
#pragma once

#include <windows.h>

#include "host_options.h"

// The process exit code: 0 when every step succeeded, 1 when one failed.
int RunHost(const HostOptions& options, HINSTANCE instance);
