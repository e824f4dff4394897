#include "plugin_library.h"

#include <cstddef>
#include <cstdio>

namespace {

using GetFilterTableFunction = FilterRecord*(__cdecl*)();

// More controls than this would not fit any window; a larger count is a
// corrupt descriptor, not a request.
constexpr int kMaxItems = 64;

// "name (0x74)": the slot's offset in this build's layout, as a plug-in's
// author would look it up.
std::string SlotName(const char* name, size_t offset) {
  char text[80];
  std::snprintf(text, sizeof text, "%s (0x%zX)", name, offset);
  return text;
}

void NoteMissingCallbacks(const FilterRecord& descriptor, std::vector<std::string>& missing) {
  const struct {
    bool present;
    const char* what;
    size_t offset;
  } slots[] = {
      {descriptor.init != nullptr, "initialisation callback", offsetof(FilterRecord, init)},
      {descriptor.exit != nullptr, "exit callback", offsetof(FilterRecord, exit)},
      {descriptor.update != nullptr, "update callback", offsetof(FilterRecord, update)},
      {descriptor.windowMessage != nullptr, "window-message callback",
       offsetof(FilterRecord, windowMessage)},
      {descriptor.projectLoad != nullptr, "project-load hook", offsetof(FilterRecord, projectLoad)},
      {descriptor.projectSave != nullptr, "project-save hook", offsetof(FilterRecord, projectSave)},
  };
  for (const auto& slot : slots) {
    if (!slot.present) missing.push_back(SlotName(slot.what, slot.offset));
  }
}

}  // namespace

PluginLibrary LoadPluginLibrary(const std::string& path, std::string& error) {
  PluginLibrary plugin;
  plugin.module = LoadLibraryA(path.c_str());
  if (plugin.module == nullptr) {
    error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
    return plugin;
  }
  auto getFilterTable =
      reinterpret_cast<GetFilterTableFunction>(FindPluginExport(plugin, "GetFilterTable"));
  if (getFilterTable == nullptr) {
    plugin.missing.push_back("export GetFilterTable");
    return plugin;
  }
  plugin.descriptor = getFilterTable();
  if (plugin.descriptor == nullptr) {
    plugin.missing.push_back("filter descriptor (GetFilterTable returned null)");
    return plugin;
  }
  NoteMissingCallbacks(*plugin.descriptor, plugin.missing);
  return plugin;
}

void UnloadPluginLibrary(PluginLibrary& plugin) {
  if (plugin.module != nullptr) FreeLibrary(plugin.module);
  plugin = PluginLibrary{};
}

void* FindPluginExport(const PluginLibrary& plugin, const char* name) {
  if (plugin.module == nullptr) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(plugin.module, name));
}

int DescriptorTrackCount(const FilterRecord& descriptor) {
  const int32_t count = descriptor.trackCount;
  if (count <= 0 || count > kMaxItems) return 0;
  if (descriptor.trackNames == nullptr || descriptor.trackDefaults == nullptr ||
      descriptor.trackMinimums == nullptr || descriptor.trackMaximums == nullptr) {
    return 0;
  }
  return count;
}

int DescriptorCheckCount(const FilterRecord& descriptor) {
  const int32_t count = descriptor.checkCount;
  if (count <= 0 || count > kMaxItems) return 0;
  if (descriptor.checkNames == nullptr || descriptor.checkDefaults == nullptr) return 0;
  return count;
}
