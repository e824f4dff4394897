// velumbra info: what a file holds, as text or as JSON.
#include <algorithm>
#include <cstdio>
#include <string>

#include "cli_status.h"
#include "commands.h"
#include "interchange/gradient_files.h"
#include "json_text.h"
#include "preset_source.h"

namespace {

void PrintText(const std::string& path, const ImportResult& result) {
  std::printf("%s: %s, %zu %s\n", path.c_str(), GradientFormatName(result.format),
              result.gradients.size(), result.gradients.size() == 1 ? "gradient" : "gradients");
  for (size_t i = 0; i < result.gradients.size(); ++i) {
    const ImportedGradient& gradient = result.gradients[i];
    std::printf("  %zu  %s: %zu colour stops, %zu opacity stops\n", i + 1,
                gradient.name.empty() ? "(no name)" : gradient.name.c_str(),
                gradient.report.colorStopCount, gradient.report.opacityStopCount);
    for (const std::string& note : gradient.report.notes) {
      std::printf("     note: %s\n", note.c_str());
    }
  }
}

std::string JsonEntry(const std::string& path, const ImportResult& result) {
  std::string json = "  {\"file\": " + JsonString(path);
  if (!result.ok()) return json + ", \"error\": " + JsonString(result.error) + "}";
  json += ", \"format\": " + JsonString(GradientFormatName(result.format)) + ", \"gradients\": [";
  for (size_t i = 0; i < result.gradients.size(); ++i) {
    const ImportedGradient& gradient = result.gradients[i];
    json += i == 0 ? "\n" : ",\n";
    json += "    {\"name\": " + JsonString(gradient.name) +
            ", \"colorStops\": " + std::to_string(gradient.report.colorStopCount) +
            ", \"opacityStops\": " + std::to_string(gradient.report.opacityStopCount) +
            ", \"notes\": [";
    for (size_t n = 0; n < gradient.report.notes.size(); ++n) {
      json += (n == 0 ? "" : ", ") + JsonString(gradient.report.notes[n]);
    }
    json += "]}";
  }
  return json + "\n  ]}";
}

}  // namespace

// Every file is listed; a file that cannot be read is reported on stderr
// (and, in JSON, carries its error) and makes the status 1.
int RunInfo(const InfoOptions& options) {
  int status = kExitDone;
  std::string json = "[";
  for (size_t i = 0; i < options.files.size(); ++i) {
    const std::string& path = options.files[i];
    const ImportResult result = ImportGradientSource(path);
    if (!result.ok()) {
      ReportProblem(path, result.error);
      status = std::max(status, FailedImportStatus(path));
    }
    if (options.json) {
      json += (i == 0 ? "\n" : ",\n") + JsonEntry(path, result);
    } else if (result.ok()) {
      PrintText(path, result);
    }
  }
  if (options.json) std::printf("%s\n]\n", json.c_str());
  return status;
}
