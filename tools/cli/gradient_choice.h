// One gradient from a file, for the commands that work on one.
#pragma once

#include <string>

#include "cli_options.h"
#include "interchange/gradient_files.h"

// kExitDone with `chosen` set; otherwise the problem has been reported and
// the result is the exit status: kExitBadInput when the file cannot be read,
// kExitBadUsage when the choice does not fit the file (a pack without
// --index or --name, an index past the end, a name not there).
int LoadChosenGradient(const std::string& path, const GradientChoice& choice,
                       ImportedGradient& chosen);
