// The host's own open and save dialogs (project files, scripts).
#pragma once

#include <windows.h>

#include <string>

// The chosen path, or empty when the user cancels.
std::string AskFileToOpen(HWND owner, const char* filter);
std::string AskFileToSave(HWND owner, const char* filter, const char* defaultExtension);
