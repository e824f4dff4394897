// The host's "load" and "save" buttons: a file dialog, then a gradient file
// loaded into, or written from, the shown bank entry; a failure is reported
// in a message box. Saving writes the format of the type chosen in the dialog.
#pragma once

#include "filter/host_interface.h"

// True when a file was chosen and loaded into (or written from) the entry
// shown when the button was pressed.
bool LoadGradationWithDialog(FilterRecord* filter);
bool SaveGradationWithDialog(FilterRecord* filter);
