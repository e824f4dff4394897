// The canvas menu's "プリセット" submenu: the built-in presets, then the .grd
// files of the folder "presets" beside the library, each item a strip of its
// gradient before its name.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "editor/preset_list.h"

class PresetMenu {
 public:
  // Reads the built-in presets and the user's folder as they are now.
  PresetMenu();
  // Frees the items' bitmaps; only once the menu holding them is closed.
  ~PresetMenu();
  PresetMenu(const PresetMenu&) = delete;
  PresetMenu& operator=(const PresetMenu&) = delete;

  // Appends the submenu, grey when the shown gradation cannot be edited.
  void AppendTo(HMENU menu, bool enabled);
  // The gradation an item's command chooses; null for any other command.
  const GradationData* Chosen(uint16_t command) const;

 private:
  std::vector<PresetItem> items_;
  std::vector<HBITMAP> bitmaps_;
};
