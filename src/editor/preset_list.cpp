#include "editor/preset_list.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "persist/builtin_presets.h"
#include "persist/gradation_bytes.h"

namespace {

constexpr char kPresetExtension[] = ".grd";

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

std::string Prefix(const std::string& name) { return name.substr(0, name.find('-')); }

// As "読込" reads a record file: bytes after the record are ignored, bytes
// too short for it make no preset.
std::optional<GradationData> ReadPreset(const std::string& bytes) {
  GradationData gradation;
  const auto* in = reinterpret_cast<const uint8_t*>(bytes.data());
  if (ReadGradationBytes(gradation, in, bytes.size()) == 0) return std::nullopt;
  return gradation;
}

// Sorted by name (std::string compares bytes as unsigned char).
std::vector<PresetItem> Readable(const std::vector<PresetBytes>& presets) {
  std::vector<PresetItem> items;
  for (const PresetBytes& preset : presets) {
    if (std::optional<GradationData> gradation = ReadPreset(preset.bytes)) {
      items.push_back({false, preset.name, std::move(*gradation)});
    }
  }
  std::stable_sort(items.begin(), items.end(),
                   [](const PresetItem& a, const PresetItem& b) { return a.name < b.name; });
  return items;
}

void AppendGrouped(std::vector<PresetItem>& out, std::vector<PresetItem>& part) {
  std::string group;
  for (size_t i = 0; i < part.size(); ++i) {
    std::string prefix = Prefix(part[i].name);
    if ((i == 0 && !out.empty()) || (i > 0 && prefix != group)) out.push_back({true, {}, {}});
    group = std::move(prefix);
    out.push_back(std::move(part[i]));
  }
}

}  // namespace

std::vector<PresetBytes> BuiltinPresetBytes() {
  std::vector<PresetBytes> presets;
  for (const BuiltinPreset& preset : BuiltinPresets()) {
    presets.push_back(
        {preset.name, std::string(reinterpret_cast<const char*>(preset.bytes), preset.size)});
  }
  return presets;
}

std::string PresetNameOfFile(const std::string& fileName) {
  const size_t length = sizeof kPresetExtension - 1;
  if (fileName.size() <= length) return {};
  const std::string stem = fileName.substr(0, fileName.size() - length);
  return SameIgnoringCase(fileName.substr(stem.size()), kPresetExtension) ? stem : std::string();
}

std::vector<PresetItem> ListPresets(const std::vector<PresetBytes>& builtin,
                                    const std::vector<PresetBytes>& user) {
  std::vector<PresetItem> builtins = Readable(builtin);
  std::vector<PresetItem> own;
  for (PresetItem& item : Readable(user)) {
    const auto same = std::find_if(builtins.begin(), builtins.end(), [&](const PresetItem& b) {
      return SameIgnoringCase(b.name, item.name);
    });
    if (same != builtins.end()) {
      same->gradation = std::move(item.gradation);
    } else {
      own.push_back(std::move(item));
    }
  }
  std::vector<PresetItem> items;
  AppendGrouped(items, builtins);
  AppendGrouped(items, own);
  return items;
}
