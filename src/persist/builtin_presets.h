// The presets built into the library: the repository's presets/*.grd, written
// into a generated source at build time (cmake/embed_presets.cmake), so a
// user who copies only the library has them. The bytes are records as a file
// holds them; readers still check them with ReadGradationBytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

struct BuiltinPreset {
  const char* name;  // the file name without ".grd"
  const uint8_t* bytes;
  size_t size;
};

struct BuiltinPresetRange {
  const BuiltinPreset* first;
  const BuiltinPreset* last;

  const BuiltinPreset* begin() const { return first; }
  const BuiltinPreset* end() const { return last; }
  size_t size() const { return static_cast<size_t>(last - first); }
};

// Sorted by name in byte order.
BuiltinPresetRange BuiltinPresets();

// The preset of exactly that name, or null.
const BuiltinPreset* FindBuiltinPreset(std::string_view name);
