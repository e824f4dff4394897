#include "persist/builtin_presets.h"

const BuiltinPreset* FindBuiltinPreset(std::string_view name) {
  for (const BuiltinPreset& preset : BuiltinPresets()) {
    if (name == preset.name) return &preset;
  }
  return nullptr;
}
