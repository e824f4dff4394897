// What the program tells the shell and the user when something fails.
#pragma once

#include <string>

constexpr int kExitDone = 0;
constexpr int kExitBadInput = 1;  // a file could not be read, is damaged, or could not be written
constexpr int kExitBadUsage = 2;  // the command line needs changing

// "velumbra: WHAT: CAUSE" on stderr.
void ReportProblem(const std::string& what, const std::string& cause);
