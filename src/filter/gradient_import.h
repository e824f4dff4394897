// A gradient file of any kind the editor reads, loaded into one bank entry:
// the button's dialog and a drop both come through here.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "model/banks.h"

enum class LoadOutcome { Stored, Cancelled, Failed };

// Loads the file at `path` into bank entry `index` (the one the editor
// addressed when the command began), asking through the chooser which
// gradient when the file holds several; cancelling there loads nothing. On
// Failed, `failure` (when given) receives the message for the user, in code
// page 932.
LoadOutcome LoadGradientFileInto(int32_t index, const char* path, HWND owner,
                                 BankChangeReason reason, std::string* failure);
