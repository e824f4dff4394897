// Loading a filter plug-in and reading its descriptor, as a host does.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "filter/host_interface.h"

struct PluginLibrary {
  HMODULE module = nullptr;
  const FilterRecord* descriptor = nullptr;  // null when GetFilterTable is missing or returns null
  // What the host looked for and did not find, for the user: exports and
  // descriptor callbacks. The host carries on without each of them.
  std::vector<std::string> missing;
};

// Loads the library and calls GetFilterTable. On failure to load at all the
// module is null and `error` says why.
PluginLibrary LoadPluginLibrary(const std::string& path, std::string& error);
void UnloadPluginLibrary(PluginLibrary& plugin);

// The module's export, or null.
void* FindPluginExport(const PluginLibrary& plugin, const char* name);

// The descriptor's track and check counts, kept to what the host can show
// (a descriptor with negative or absurd counts is treated as having none).
int DescriptorTrackCount(const FilterRecord& descriptor);
int DescriptorCheckCount(const FilterRecord& descriptor);
