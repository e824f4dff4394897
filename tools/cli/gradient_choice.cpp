#include "gradient_choice.h"

#include <cstdio>
#include <utility>

#include "cli_status.h"
#include "preset_source.h"

namespace {

std::string NameList(const std::vector<ImportedGradient>& gradients) {
  std::string list;
  for (size_t i = 0; i < gradients.size(); ++i) {
    const std::string& name = gradients[i].name;
    list += "\n  " + std::to_string(i + 1) + "  " + (name.empty() ? "(no name)" : name);
  }
  return list;
}

}  // namespace

int LoadChosenGradient(const std::string& path, const GradientChoice& choice,
                       ImportedGradient& chosen) {
  ImportResult result = ImportGradientSource(path);
  if (!result.ok()) {
    ReportProblem(path, result.error);
    return FailedImportStatus(path);
  }
  std::vector<ImportedGradient>& gradients = result.gradients;
  const std::string count = std::to_string(gradients.size());
  if (choice.index) {
    if (static_cast<size_t>(*choice.index) > gradients.size()) {
      ReportProblem(path, "--index " + std::to_string(*choice.index) + ": the file holds " + count +
                              (gradients.size() == 1 ? " gradient" : " gradients"));
      return kExitBadUsage;
    }
    chosen = std::move(gradients[static_cast<size_t>(*choice.index) - 1]);
    return kExitDone;
  }
  if (choice.name) {
    size_t found = gradients.size(), matches = 0;
    for (size_t i = 0; i < gradients.size(); ++i) {
      if (gradients[i].name != *choice.name) continue;
      if (matches++ == 0) found = i;
    }
    if (matches != 1) {
      ReportProblem(path,
                    (matches == 0 ? "no gradient is named \"" : "several gradients are named \"") +
                        *choice.name + "\"; use --index N with one of:" + NameList(gradients));
      return kExitBadUsage;
    }
    chosen = std::move(gradients[found]);
    return kExitDone;
  }
  if (gradients.size() > 1) {
    ReportProblem(path, "holds " + count + " gradients; choose one with --index N or --name NAME:" +
                            NameList(gradients));
    return kExitBadUsage;
  }
  chosen = std::move(gradients.front());
  return kExitDone;
}
