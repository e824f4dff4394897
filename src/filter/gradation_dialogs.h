// The host's "load" and "save" buttons: a file dialog, then the .grd file
// operation on the shown bank entry; a failure is reported in a message box.
#pragma once

#include "filter/host_interface.h"

// True when a file was chosen and loaded into (or written from) the entry
// shown when the button was pressed.
bool LoadGradationWithDialog(FilterRecord* filter);
bool SaveGradationWithDialog(FilterRecord* filter);
