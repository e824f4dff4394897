// The plug-in's and the host's strings are code page 932 bytes. The host shows
// its own controls through the wide-character API after converting them
// itself, so they read right whatever the process's ANSI code page is.
#pragma once

#include <string>

// `size` bytes, NULs included (for dialog filter lists); or up to the first NUL.
std::wstring WideFromCp932(const char* text, size_t size);
std::wstring WideFromCp932(const char* text);

// A path as the C runtime's narrow functions take it (the ANSI code page).
std::string AnsiFromWide(const std::wstring& text);
