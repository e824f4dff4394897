// The host program's command line. Platform-free so that it is tested natively.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

struct HostOptions {
  std::string pluginPath;  // empty: the host's default location
  std::optional<long> id;  // the "ID" track's starting value; range-checked against the descriptor
  std::string projectLoad;
  std::string projectSave;
  std::string script;
  std::string screenshot;
  // Left-button clicks on the filter window's client area, after the script.
  std::vector<std::pair<int, int>> clicks;
  // Where the screenshot shows the canvas's context menu opened, in the filter
  // window's client coordinates; needs a screenshot.
  std::optional<std::pair<int, int>> contextMenu;
  bool openSubmenu = false;  // with contextMenu: its submenu opened too
  bool batch = false;        // run the steps and exit instead of waiting for the user
  bool help = false;
};

struct ParsedHostOptions {
  HostOptions options;
  std::string error;  // empty when the command line was understood
};

// Arguments after the program name.
ParsedHostOptions ParseHostOptions(const std::vector<std::string>& arguments);

// The option summary printed by --help and after a command-line error.
const char* HostUsage();
