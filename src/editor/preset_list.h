// The canvas menu's presets: the built-in ones, then the user's own .grd
// files, as the menu lists them. Free of any window; the window layer reads
// the user's folder and draws the items.
#pragma once

#include <string>
#include <vector>

#include "model/gradation.h"

// A preset's name (its file name without extension) and its record's bytes.
struct PresetBytes {
  std::string name;
  std::string bytes;
};

// One line of the menu: a preset, or a separator between groups.
struct PresetItem {
  bool separator = false;
  std::string name;
  GradationData gradation;
};

// The built-in presets, in their table's order.
std::vector<PresetBytes> BuiltinPresetBytes();

// The file name's stem when it ends in ".grd" (any letter case), else empty:
// only such files of the user's folder are presets.
std::string PresetNameOfFile(const std::string& fileName);

// Each part sorted by name in byte order, a separator between names of
// different prefix (the part before the first '-') and between the built-in
// presets and the user's. A user's file named as a built-in preset (letter
// case aside, as Windows names files) takes that item's place instead of
// appearing twice. Bytes too short for the record they start are left out.
std::vector<PresetItem> ListPresets(const std::vector<PresetBytes>& builtin,
                                    const std::vector<PresetBytes>& user);
