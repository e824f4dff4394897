// CLI11 reads the command line: option names, flags, the plug-in path and the
// order of repeated options. The values are kept as given and read here, by
// this program's own rules (base-10 integers, 16-bit points, non-empty file
// names), so that every refusal names the option in the program's words.
#include "host_options.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstdlib>
#include <memory>

namespace {

constexpr char kProgramName[] = "velumbra-host.exe";

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

bool ReadId(const std::string& text, HostOptions& options) {
  long value = 0;
  if (!ParseInteger(text, value)) return false;
  options.id = value;
  return true;
}

bool ReadClick(const std::string& text, HostOptions& options) {
  std::pair<int, int> point;
  if (!ParsePoint(text, point)) return false;
  options.clicks.push_back(point);
  return true;
}

bool ReadContextMenu(const std::string& text, HostOptions& options) {
  std::pair<int, int> point;
  if (!ParsePoint(text, point)) return false;
  options.contextMenu = point;
  return true;
}

template <std::string HostOptions::*path>
bool ReadPath(const std::string& text, HostOptions& options) {
  if (text.empty()) return false;
  options.*path = text;
  return true;
}

// The options that take a value, in the order --help lists them. Each is
// given once per occurrence; `read` takes one occurrence's value (the last
// occurrence wins, except --click, which collects them all).
struct ValueOption {
  const char* name;
  const char* value;  // the value's name in --help
  const char* description;
  const char* needs;  // what the error says the option needs
  bool (*read)(const std::string& text, HostOptions& options);
};

const ValueOption kValueOptions[] = {
    {"--id", "N", "start with the \"ID\" track at N (default: the descriptor's)", "an integer",
     ReadId},
    {"--project-load", "FILE", "load project data from FILE through the plug-in's hook",
     "a file name", ReadPath<&HostOptions::projectLoad>},
    {"--project-save", "FILE", "save project data to FILE through the hook at exit", "a file name",
     ReadPath<&HostOptions::projectSave>},
    {"--script", "FILE.lua", "run a Lua script with the plug-in's module opened", "a file name",
     ReadPath<&HostOptions::script>},
    {"--click", "X,Y",
     "click the left button at (X, Y) of the filter window\nafter the script (repeatable)", "X,Y",
     ReadClick},
    {"--screenshot", "FILE.png", "save the window as PNG and exit (implies --batch)", "a file name",
     ReadPath<&HostOptions::screenshot>},
    {"--context-menu", "X,Y",
     "in the screenshot, the canvas menu opened by a right\nclick at (X, Y) of the filter window",
     "X,Y", ReadContextMenu},
};

std::string NeedsMessage(const ValueOption& option) {
  return std::string(option.name) + " needs " + option.needs;
}

// --help: a usage line, then one line per option by its long name and value,
// descriptions in a column.
class UsageFormatter : public CLI::Formatter {
 public:
  UsageFormatter() { column_width(26); }

  std::string make_help(const CLI::App* app, std::string name, CLI::AppFormatMode) const override {
    std::string text = "usage: " + name + " [options]";
    for (const CLI::Option* option : app->get_options()) {
      if (option->get_positional()) text += " [" + option->get_name(true) + "]";
    }
    text += "\n";
    for (const CLI::Option* option : app->get_options()) {
      text += make_option(option, option->get_positional());
    }
    return text;
  }

  std::string make_option_name(const CLI::Option* option, bool positional) const override {
    return option->get_name(positional);
  }

  std::string make_option_opts(const CLI::Option* option) const override {
    const std::string& value = option->get_option_text();
    return value.empty() ? value : " " + value;
  }
};

// Unknown options and a second plug-in path are left over, not refused, so
// that they are reported here in the program's words.
void DeclareOptions(CLI::App& app, HostOptions& options) {
  app.formatter(std::make_shared<UsageFormatter>());
  app.set_help_flag();  // --help is an ordinary flag: main prints the usage
  app.allow_extras();
  app.add_option("PLUGIN.auf", options.pluginPath,
                 "the plug-in to load (default: Velumbra.auf beside the\n"
                 "program, else build/win32/Velumbra.auf, or\n"
                 "build/win64/ for the 64-bit test build's host)");
  for (const ValueOption& option : kValueOptions) {
    app.add_option(option.name, option.description)
        ->option_text(option.value)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  }
  app.add_flag("--open-submenu", options.openSubmenu,
               "with --context-menu, the menu's submenu opened too");
  app.add_flag("--batch", options.batch, "run the steps above and exit; errors go to stderr");
  app.add_flag("-h,--help", options.help, "show this text");
}

const ValueOption* FindValueOption(const std::string& name) {
  for (const ValueOption& option : kValueOptions) {
    if (name == option.name) return &option;
  }
  return nullptr;
}

bool LooksLikeOption(const std::string& argument) {
  return argument.size() > 1 && argument[0] == '-';
}

// CLI11 takes "-3" for a plug-in path, since it could be a negative number.
std::string PathOrLeftOverError(const HostOptions& options,
                                const std::vector<std::string>& leftOver) {
  if (LooksLikeOption(options.pluginPath)) return "unknown option " + options.pluginPath;
  for (const std::string& argument : leftOver) {
    if (LooksLikeOption(argument)) return "unknown option " + argument;
  }
  if (leftOver.empty()) return {};
  return "more than one plug-in path: " + options.pluginPath + ", " + leftOver.front();
}

}  // namespace

ParsedHostOptions ParseHostOptions(const std::vector<std::string>& arguments) {
  ParsedHostOptions parsed;
  HostOptions& options = parsed.options;
  CLI::App app("", kProgramName);
  DeclareOptions(app, options);
  try {
    app.parse(std::vector<std::string>(arguments.rbegin(), arguments.rend()));
  } catch (const CLI::ArgumentMismatch& error) {
    // Each option takes whatever follows it, so only the last argument can
    // lack its value.
    const ValueOption* option = FindValueOption(arguments.back());
    parsed.error = option != nullptr ? NeedsMessage(*option) : error.what();
    return parsed;
  } catch (const CLI::ParseError& error) {
    parsed.error = error.what();
    return parsed;
  }
  parsed.error = PathOrLeftOverError(options, app.remaining());
  if (!parsed.error.empty()) return parsed;
  for (const ValueOption& option : kValueOptions) {
    for (const std::string& value : app.get_option(option.name)->results()) {
      if (!option.read(value, options)) {
        parsed.error = NeedsMessage(option);
        return parsed;
      }
    }
  }
  if (options.openSubmenu && !options.contextMenu) {
    parsed.error = "--open-submenu needs --context-menu X,Y";
    return parsed;
  }
  if (options.contextMenu && options.screenshot.empty()) {
    parsed.error = "--context-menu needs --screenshot FILE.png";
    return parsed;
  }
  // A screenshot is taken once everything else has run, and then the host exits.
  if (!options.screenshot.empty()) options.batch = true;
  return parsed;
}

const char* HostUsage() {
  static const std::string usage = [] {
    HostOptions unused;
    CLI::App app("", kProgramName);
    DeclareOptions(app, unused);
    return app.help();
  }();
  return usage.c_str();
}
