// velumbra-host.exe: stands in for the video-editing host so the plug-in can
// be opened, scripted and captured on any machine. Options: see HostUsage.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "host_app.h"
#include "host_options.h"

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  const ParsedHostOptions parsed = ParseHostOptions(arguments);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "velumbra-host: %s\n%s", parsed.error.c_str(), HostUsage());
    return 2;
  }
  if (parsed.options.help) {
    std::fputs(HostUsage(), stdout);
    return 0;
  }
  return RunHost(parsed.options, GetModuleHandleA(nullptr));
}
