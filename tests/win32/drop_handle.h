// A drop handle as the shell builds one: DROPFILES followed by the
// NUL-separated names and a final NUL. The receiver releases it (DragFinish).
#pragma once

#include <windows.h>

#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

inline HDROP MakeDrop(const std::vector<std::string>& paths) {
  std::string names;
  for (const std::string& p : paths) names += p + '\0';
  names += '\0';
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = FALSE;
  memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), names.data(), names.size());
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}
