// CLI11 reads the words; the values that CLI11 would read differently from the
// script face (floats) or cannot check alone (formats by extension, which of
// OUT and --all) are read here, so every refusal is a usage error (exit 2)
// before any file is touched.
#include "cli_options.h"

#include <CLI/CLI.hpp>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

// Large enough for any strip anyone wants, small enough that stb's int
// arithmetic on the encoded size cannot overflow.
constexpr int kMaxRenderSide = 16384;

bool IsWritten(const GradientFormatRow& row) { return row.write != nullptr; }

// Whether another row lists the extension too.
bool IsShared(const GradientFormatRow& row, std::string_view extension) {
  for (const GradientFormatRow& other : kGradientFormats) {
    if (&other == &row) continue;
    for (const char* listed : other.extensions) {
      if (listed != nullptr && extension == listed) return true;
    }
  }
  return false;
}

// ".grd (Velumbra gradation), .ggr, .svg, .css or .txt (CSS)": the extensions
// of each format written and, where they alone leave the format open, its
// name: in full where another format shares the extension, else its family.
std::string WrittenFormats() {
  std::string text;
  for (const GradientFormatRow& row : kGradientFormats) {
    if (!IsWritten(row)) continue;
    if (!text.empty()) text += ", ";
    size_t count = 0;
    bool shared = false;
    for (const char* extension : row.extensions) {
      if (extension == nullptr) continue;
      text += std::string(count++ == 0 ? "." : " or .") + extension;
      shared = shared || IsShared(row, extension);
    }
    if (shared) {
      text += std::string(" (") + row.name + ")";
    } else if (count > 1) {
      text += " (" + std::string(GradientFormatFamily(row)) + ")";
    }
  }
  return text;
}

// "grd, ggr, svg, css, txt": what --format takes.
std::string WrittenExtensions() {
  std::string text;
  for (const GradientFormatRow& row : kGradientFormats) {
    if (!IsWritten(row)) continue;
    for (const char* extension : row.extensions) {
      if (extension == nullptr) continue;
      if (!text.empty()) text += ", ";
      text += extension;
    }
  }
  return text;
}

// Exit status, and how --all names its files: said once, in --help.
const char kStatusHelp[] =
    "Exit status: 0 done; 1 a file could not be read, is damaged or could not be\n"
    "written (the message names the file and the cause); 2 the command line needs\n"
    "changing. A failed command leaves no output file behind.\n"
    "Run 'velumbra COMMAND --help' for a command's options.";

const char kAllHelp[] =
    "With --all, each gradient is written to DIR/NAME.EXT, NAME made from the\n"
    "gradient's name: path separators, control characters and the characters\n"
    "Windows refuses (<>:\"/\\|?*) are dropped, so are leading and trailing dots\n"
    "and spaces; a Windows device name (con, nul, com1...) gets a '_', and a name\n"
    "used twice gets -2, -3... (letter case ignored). A gradient left without a\n"
    "name is gradient-N, N its place in IN. Existing files are replaced; each\n"
    "written file is listed on stdout.";

// As a script's number reaches the module: decimal to double, then to float.
bool ParseFiniteFloat(const std::string& text, float& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  const double parsed = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size()) return false;
  const float narrowed = static_cast<float>(parsed);
  if (!std::isfinite(narrowed)) return false;
  value = narrowed;
  return true;
}

void AddFloatOption(CLI::App* command, const std::string& name, float& target,
                    const std::string& description) {
  command
      ->add_option_function<std::string>(
          name,
          [name, &target](const std::string& text) {
            if (!ParseFiniteFloat(text, target)) {
              throw CLI::ValidationError(name, "needs a finite number, not \"" + text + "\"");
            }
          },
          description)
      ->type_name("NUMBER");
}

void AddChoiceOptions(CLI::App* command, GradientChoice& choice) {
  CLI::Option* index = command
                           ->add_option_function<int>(
                               "--index", [&choice](const int& n) { choice.index = n; },
                               "take the Nth gradient (from 1) of a file holding several")
                           ->type_name("N")
                           ->check(CLI::Range(1, std::numeric_limits<int>::max()).description(""));
  CLI::Option* name = command
                          ->add_option_function<std::string>(
                              "--name", [&choice](const std::string& s) { choice.name = s; },
                              "take the gradient of that name")
                          ->type_name("NAME");
  index->excludes(name);
}

void AddExponentOption(CLI::App* command, float& exponent) {
  AddFloatOption(command, "--exponent", exponent,
                 "the curve exponent between stops (default 1.3333334, the editor's)");
}

void RequirePng(const std::string& path) {
  if (LowerExtension(path) != "png") {
    throw CLI::ValidationError(path, "the image to write must be named .png");
  }
}

// The format OUT's extension names; `otherwise` ends the refusal.
GradientFormat OutputFormat(const std::string& output, const char* otherwise) {
  const std::optional<GradientFormat> format = ExportFormatForPath(output);
  if (!format) {
    throw CLI::ValidationError(output, std::string("cannot tell the format from the ") +
                                           "extension; name it " + WrittenFormats() + otherwise);
  }
  return *format;
}

// Every check of the convert command that needs more than one option.
void CheckConvert(ConvertOptions& convert, const std::string& formatText) {
  if (convert.output.empty() == convert.allFolder.empty()) {
    throw CLI::ValidationError("convert", "needs either OUT or --all DIR");
  }
  if (!formatText.empty()) {
    std::string extension = formatText[0] == '.' ? formatText.substr(1) : formatText;
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const bool plain = extension.find_first_of("./\\") == std::string::npos;
    const std::optional<GradientFormat> format =
        plain ? ExportFormatForPath("x." + extension) : std::nullopt;
    if (!format) {
      throw CLI::ValidationError("--format",
                                 "\"" + formatText + "\" is none of " + WrittenFormats());
    }
    convert.format = *format;
    convert.extension = extension;
    return;
  }
  if (!convert.allFolder.empty()) {
    throw CLI::ValidationError("--all", "needs --format EXT for the files it writes");
  }
  convert.format = OutputFormat(convert.output, ", or give --format");
  convert.extension = LowerExtension(convert.output);
}

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv) {
  ParsedCommandLine parsed;
  CliOptions& options = parsed.options;
  std::string formatText;

  CLI::App app("Gradient files: inspect, convert, render, and recolour images by luminance.",
               "velumbra");
  app.set_version_flag("--version", std::string("velumbra ") + VELUMBRA_VERSION);
  app.require_subcommand(1);
  app.footer(kStatusHelp);

  CLI::App* info = app.add_subcommand("info", "the format, names, stop counts and notes of files");
  info->add_option("FILE", options.info.files, "gradient files, of any format read, or preset:NAME")
      ->required();
  info->add_flag("--json", options.info.json, "print the same as JSON");

  CLI::App* presets = app.add_subcommand(
      "presets", "the built-in presets, which every command reads as preset:NAME");
  presets->add_flag("--json", options.presetsJson, "print their names and stop counts as JSON");

  CLI::App* convert =
      app.add_subcommand("convert", "write a gradient, or each of a pack, in another format");
  convert->footer(std::string(kAllHelp) + "\n\n" + kStatusHelp);
  convert->add_option("IN", options.convert.input, "the gradient file to read, or preset:NAME")
      ->required();
  CLI::Option* out = convert->add_option(
      "OUT", options.convert.output,
      std::string("the file to write; its extension gives the format:\n") + WrittenFormats());
  CLI::Option* all = convert
                         ->add_option("--all", options.convert.allFolder,
                                      "write every gradient of IN into DIR (made if missing;\n"
                                      "its parent must exist)")
                         ->type_name("DIR");
  convert
      ->add_option("--format", formatText,
                   "the format by extension (" + WrittenExtensions() + ") instead of\n" +
                       "OUT's; required with --all")
      ->type_name("EXT");
  AddChoiceOptions(convert, options.convert.choice);
  all->excludes(out);
  all->excludes("--index");
  all->excludes("--name");

  CLI::App* render = app.add_subcommand(
      "render", "draw a gradient from 0 to 100 across a PNG strip, over a checkerboard");
  render->add_option("FILE", options.render.gradientFile, "the gradient file, or preset:NAME")
      ->required();
  render->add_option("OUT", options.render.output, "the PNG image to write")->required();
  AddChoiceOptions(render, options.render.choice);
  render
      ->add_option("--width", options.render.width,
                   "image width in pixels, 1 to 16384 (default 1024)")
      ->check(CLI::Range(1, kMaxRenderSide).description(""));
  render
      ->add_option("--height", options.render.height,
                   "image height in pixels, 1 to 16384 (default 64)")
      ->check(CLI::Range(1, kMaxRenderSide).description(""));
  AddExponentOption(render, options.render.exponent);

  CLI::App* map = app.add_subcommand(
      "map", "recolour a PNG image by luminance, as the script function ColorReMap_Luminance");
  map->add_option("FILE", options.map.gradientFile, "the gradient file, or preset:NAME")
      ->required();
  map->add_option("IN", options.map.input, "the PNG image to recolour")->required();
  map->add_option("OUT", options.map.output, "the PNG image to write (with alpha)")->required();
  AddChoiceOptions(map, options.map.choice);
  AddFloatOption(map, "--scale", options.map.scale,
                 "luminance scale (default 1; the luminance table has 4097 entries)");
  map->add_option("--offset", options.map.offset,
                  "luminance offset in table entries, an integer (default 0)");
  AddExponentOption(map, options.map.exponent);

  CLI::App* extract = app.add_subcommand(
      "extract", "make a gradient from a picture: the map that recolours it most like itself");
  extract
      ->add_option("PICTURE", options.extract.input,
                   "the picture to read (PNG, JPEG, BMP, GIF or TGA)")
      ->required();
  extract
      ->add_option(
          "OUT", options.extract.output,
          std::string("the file to write; its extension gives the format:\n") + WrittenFormats())
      ->required();
  CLI::Option* row =
      extract->add_flag("--row", options.extract.row,
                        "take the colours and opacity of the middle row instead (a picture\n"
                        "of a gradient)");
  extract
      ->add_option("--max-stops", options.extract.maxStops,
                   "at most N colour stops, 2 to 64 (default 64: as many as the map needs)")
      ->type_name("N")
      ->check(CLI::Range(kToneMapMinStops, kToneMapMaxStops).description(""))
      ->excludes(row);

  try {
    // CLI11 would only say that a command is required.
    bool known = argc < 2 || argv[1][0] == '-';
    for (const CLI::App* command : {info, convert, render, map, presets, extract}) {
      known = known || command->check_name(argv[1]);
    }
    if (!known) {
      throw CLI::ValidationError(
          std::string("unknown command '") + argv[1] +
          "'; the commands are info, convert, render, map, presets and extract");
    }
    app.parse(argc, argv);
    if (*info) options.command = CliCommand::Info;
    if (*presets) options.command = CliCommand::Presets;
    if (*convert) {
      options.command = CliCommand::Convert;
      CheckConvert(options.convert, formatText);
    }
    if (*render) {
      options.command = CliCommand::Render;
      RequirePng(options.render.output);
    }
    if (*map) {
      options.command = CliCommand::Map;
      RequirePng(options.map.output);
    }
    if (*extract) {
      options.command = CliCommand::Extract;
      options.extract.format = OutputFormat(options.extract.output, "");
    }
  } catch (const CLI::ParseError& error) {
    // --help and --version arrive as "errors" that succeed.
    if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
      std::ostringstream out, err;
      app.exit(error, out, err);
      parsed.outcome = ParsedCommandLine::Outcome::Print;
      parsed.text = out.str();
      return parsed;
    }
    parsed.outcome = ParsedCommandLine::Outcome::UsageError;
    parsed.text = error.what();
    return parsed;
  }
  return parsed;
}
