#include "preset_source.h"

#include <cstdio>
#include <string_view>

#include "cli_status.h"
#include "json_text.h"
#include "persist/builtin_presets.h"

namespace {

constexpr std::string_view kPresetScheme = "preset:";

bool NamesPreset(const std::string& path) {
  return path.compare(0, kPresetScheme.size(), kPresetScheme) == 0;
}

ImportResult ImportPreset(const BuiltinPreset& preset) {
  ImportResult result =
      ImportGradients(std::string_view(reinterpret_cast<const char*>(preset.bytes), preset.size));
  for (ImportedGradient& gradient : result.gradients) gradient.name = preset.name;
  return result;
}

}  // namespace

ImportResult ImportGradientSource(const std::string& path) {
  if (!NamesPreset(path)) return ImportGradientFile(path.c_str());
  const std::string name = path.substr(kPresetScheme.size());
  if (const BuiltinPreset* preset = FindBuiltinPreset(name)) return ImportPreset(*preset);
  return ImportFailure(
      GradientFormat::Unknown, ImportProblem::Unreadable,
      "no built-in preset is named \"" + name + "\"; 'velumbra presets' lists them");
}

int FailedImportStatus(const std::string& path) {
  return NamesPreset(path) ? kExitBadUsage : kExitBadInput;
}

int RunPresets(bool json) {
  std::string text = json ? "[" : "";
  bool first = true;
  for (const BuiltinPreset& preset : BuiltinPresets()) {
    const ImportResult result = ImportPreset(preset);
    if (!result.ok()) {
      // The build embeds only what the record reader reads; never expected.
      ReportProblem(std::string(kPresetScheme) + preset.name, result.error);
      return kExitBadInput;
    }
    if (!json) {
      text += std::string(preset.name) + "\n";
      continue;
    }
    const FitReport& report = result.gradients[0].report;
    text += std::string(first ? "\n" : ",\n") + "  {\"name\": " + JsonString(preset.name) +
            ", \"colorStops\": " + std::to_string(report.colorStopCount) +
            ", \"opacityStops\": " + std::to_string(report.opacityStopCount) + "}";
    first = false;
  }
  if (json) text += "\n]\n";
  std::fputs(text.c_str(), stdout);
  return kExitDone;
}
