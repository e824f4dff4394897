#include <new>

#include "cli_status.h"
#include "commands.h"
#include "interchange/gradient_files.h"
#include "preset_source.h"

int RunCommand(const CliOptions& options) {
  // Large images and files end here, not in a crash, and leave no output:
  // every file is written whole or not at all.
  try {
    switch (options.command) {
      case CliCommand::Info:
        return RunInfo(options.info);
      case CliCommand::Convert:
        return RunConvert(options.convert);
      case CliCommand::Render:
        return RunRender(options.render);
      case CliCommand::Map:
        return RunMap(options.map);
      case CliCommand::Presets:
        return RunPresets(options.presetsJson);
      case CliCommand::Extract:
        return RunExtract(options.extract);
    }
  } catch (const std::bad_alloc&) {
    ReportProblem("velumbra", kNotEnoughMemory);
    return kExitBadInput;
  }
  return kExitBadUsage;
}
