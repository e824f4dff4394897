// velumbra convert: one gradient to OUT, or every gradient of a pack into a
// folder, in the format the options chose.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "cli_status.h"
#include "commands.h"
#include "gradient_choice.h"
#include "interchange/gradient_files.h"
#include "preset_source.h"
#include "safe_file_names.h"

namespace fs = std::filesystem;

namespace {

// The name a format keeps (.ggr, .svg): the gradient's own, else the
// written file's name without its extension.
std::string NameFor(const ImportedGradient& gradient, const std::string& path) {
  if (!gradient.name.empty()) return gradient.name;
  const size_t slash = path.find_last_of("/\\");
  const std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
  const size_t dot = file.find_last_of('.');
  return dot == 0 || dot == std::string::npos ? file : file.substr(0, dot);
}

std::string InFolder(const std::string& folder, const std::string& name) {
  const char last = folder.back();
  return last == '/' || last == '\\' ? folder + name : folder + "/" + name;
}

void PrintNotes(const std::string& path, const ImportedGradient& gradient) {
  for (const std::string& note : gradient.report.notes) {
    std::fprintf(stderr, "velumbra: %s: note: %s\n", path.c_str(), note.c_str());
  }
}

bool Save(const std::string& path, const ImportedGradient& gradient, GradientFormat format) {
  if (SaveGradientFile(path.c_str(), gradient.gradation, format, NameFor(gradient, path))) {
    return true;
  }
  ReportProblem(path, std::string("cannot write the ") + GradientFormatName(format) +
                          " file (is the folder there and writable?)");
  return false;
}

int ConvertOne(const ConvertOptions& options) {
  ImportedGradient gradient;
  const int status = LoadChosenGradient(options.input, options.choice, gradient);
  if (status != kExitDone) return status;
  PrintNotes(options.input, gradient);
  return Save(options.output, gradient, options.format) ? kExitDone : kExitBadInput;
}

// A failure part way removes the files (and the folder) this run created, so
// a failed run leaves nothing new behind; a file it replaced stays replaced.
int ConvertAll(const ConvertOptions& options) {
  ImportResult result = ImportGradientSource(options.input);
  if (!result.ok()) {
    ReportProblem(options.input, result.error);
    return FailedImportStatus(options.input);
  }
  // Paths are UTF-8, also on Windows (u8path), where the files themselves are
  // opened through the C runtime, whose narrow paths velumbra.exe's manifest
  // makes UTF-8 too: a folder and the files written into it are named alike.
  // One level is made: the parent must exist.
  const fs::path folder = fs::u8path(options.allFolder);
  std::error_code ignored;
  const bool madeFolder = !fs::exists(folder, ignored) && fs::create_directory(folder, ignored);
  if (!fs::is_directory(folder, ignored)) {
    ReportProblem(options.allFolder, "is not a folder and cannot be made one");
    return kExitBadInput;
  }
  std::vector<std::string> names;
  for (const ImportedGradient& gradient : result.gradients) names.push_back(gradient.name);
  const std::vector<std::string> fileNames = SafeFileNames(names, options.extension);

  std::vector<std::string> created;
  for (size_t i = 0; i < result.gradients.size(); ++i) {
    const std::string path = InFolder(options.allFolder, fileNames[i]);
    const bool existed = fs::exists(fs::u8path(path), ignored);
    if (!Save(path, result.gradients[i], options.format)) {
      for (const std::string& done : created) std::remove(done.c_str());
      if (madeFolder) fs::remove(folder, ignored);  // only while empty
      return kExitBadInput;
    }
    if (!existed) created.push_back(path);
    PrintNotes(path, result.gradients[i]);
    std::printf("%s\n", path.c_str());
  }
  return kExitDone;
}

}  // namespace

int RunConvert(const ConvertOptions& options) {
  return options.allFolder.empty() ? ConvertOne(options) : ConvertAll(options);
}
