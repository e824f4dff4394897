#include "host_options.h"

#include <cerrno>
#include <cstdlib>

namespace {

bool ParseInteger(const std::string& text, long& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const long parsed = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || end != text.c_str() + text.size()) return false;
  value = parsed;
  return true;
}

// "X,Y" with two integers in the 16-bit range a mouse message carries.
bool ParsePoint(const std::string& text, std::pair<int, int>& point) {
  const size_t comma = text.find(',');
  long x = 0, y = 0;
  if (comma == std::string::npos || !ParseInteger(text.substr(0, comma), x) ||
      !ParseInteger(text.substr(comma + 1), y)) {
    return false;
  }
  if (x < -32768 || x > 32767 || y < -32768 || y > 32767) return false;
  point = {static_cast<int>(x), static_cast<int>(y)};
  return true;
}

}  // namespace

ParsedHostOptions ParseHostOptions(const std::vector<std::string>& arguments) {
  ParsedHostOptions parsed;
  HostOptions& options = parsed.options;
  struct PathOption {
    const char* name;
    std::string* target;
  };
  const PathOption pathOptions[] = {
      {"--project-load", &options.projectLoad},
      {"--project-save", &options.projectSave},
      {"--script", &options.script},
      {"--screenshot", &options.screenshot},
  };
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (argument == "--help" || argument == "-h") {
      options.help = true;
      continue;
    }
    if (argument == "--batch") {
      options.batch = true;
      continue;
    }
    if (argument == "--id") {
      long value = 0;
      if (!hasValue || !ParseInteger(arguments[i + 1], value)) {
        parsed.error = "--id needs an integer";
        return parsed;
      }
      options.id = value;
      ++i;
      continue;
    }
    if (argument == "--click") {
      std::pair<int, int> point;
      if (!hasValue || !ParsePoint(arguments[i + 1], point)) {
        parsed.error = "--click needs X,Y";
        return parsed;
      }
      options.clicks.push_back(point);
      ++i;
      continue;
    }
    bool matched = false;
    for (const PathOption& option : pathOptions) {
      if (argument != option.name) continue;
      if (!hasValue || arguments[i + 1].empty()) {
        parsed.error = std::string(option.name) + " needs a file name";
        return parsed;
      }
      *option.target = arguments[++i];
      matched = true;
    }
    if (matched) continue;
    if (argument.size() > 1 && argument[0] == '-') {
      parsed.error = "unknown option " + argument;
      return parsed;
    }
    if (!options.pluginPath.empty()) {
      parsed.error = "more than one plug-in path: " + options.pluginPath + ", " + argument;
      return parsed;
    }
    options.pluginPath = argument;
  }
  // A screenshot is taken once everything else has run, and then the host exits.
  if (!options.screenshot.empty()) options.batch = true;
  return parsed;
}

const char* HostUsage() {
  return "usage: velumbra-host.exe [options] [PLUGIN.auf]\n"
         "  PLUGIN.auf              the plug-in to load (default: Velumbra.auf beside the\n"
         "                          program, else build/win32/Velumbra.auf, or\n"
         "                          build/win64/ for the 64-bit test build's host)\n"
         "  --id N                  start with the \"ID\" track at N (default: the descriptor's)\n"
         "  --project-load FILE     load project data from FILE through the plug-in's hook\n"
         "  --project-save FILE     save project data to FILE through the hook at exit\n"
         "  --script FILE.lua       run a Lua script with the plug-in's module opened\n"
         "  --click X,Y             click the left button at (X, Y) of the filter window\n"
         "                          after the script (repeatable)\n"
         "  --screenshot FILE.png   save the window as PNG and exit (implies --batch)\n"
         "  --batch                 run the steps above and exit; errors go to stderr\n"
         "  --help                  show this text\n";
}
