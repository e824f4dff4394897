// The program's commands. Each reports its own problems on stderr and returns
// the exit status (cli_status.h).
#pragma once

#include "cli_options.h"

int RunInfo(const InfoOptions& options);
int RunConvert(const ConvertOptions& options);
int RunRender(const RenderOptions& options);
int RunMap(const MapOptions& options);
int RunExtract(const ExtractOptions& options);

// The command the command line chose.
int RunCommand(const CliOptions& options);
