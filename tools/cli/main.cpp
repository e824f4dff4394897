// velumbra: gradient files on the command line. Commands and options: see
// cli_options.cpp or run `velumbra --help`.
#include <cstdio>

#include "cli_options.h"
#include "cli_status.h"
#include "commands.h"

int main(int argc, char** argv) {
  const ParsedCommandLine parsed = ParseCommandLine(argc, argv);
  switch (parsed.outcome) {
    case ParsedCommandLine::Outcome::Print:
      std::fputs(parsed.text.c_str(), stdout);
      return kExitDone;
    case ParsedCommandLine::Outcome::UsageError:
      std::fprintf(stderr, "velumbra: %s\nRun 'velumbra --help' for usage.\n", parsed.text.c_str());
      return kExitBadUsage;
    case ParsedCommandLine::Outcome::Run:
      break;
  }
  return RunCommand(parsed.options);
}
