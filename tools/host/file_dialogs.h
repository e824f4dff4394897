// The host's own open and save dialogs (project files, scripts).
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// `filter` is a code page 932 filter list of `filterSize` bytes, its NULs
// included. The chosen path, or empty when the user cancels.
std::string AskFileToOpen(HWND owner, const char* filter, size_t filterSize);
std::string AskFileToSave(HWND owner, const char* filter, size_t filterSize,
                          const char* defaultExtension);
