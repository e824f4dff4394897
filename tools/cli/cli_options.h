// The command line of the velumbra program: what each command was asked to
// do, checked as far as it can be without reading any file.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "interchange/gradient_files.h"
#include "interchange/tone_map.h"
#include "model/evaluate.h"

// Which gradient of a file a command takes: by 1-based index or by name;
// neither means the file must hold only one.
struct GradientChoice {
  std::optional<int> index;
  std::optional<std::string> name;
};

struct InfoOptions {
  std::vector<std::string> files;
  bool json = false;
};

struct ConvertOptions {
  std::string input;
  std::string output;     // empty with --all
  std::string allFolder;  // --all: every gradient into this folder
  GradientFormat format = GradientFormat::VelumbraRecord;
  std::string extension;  // of the files --all writes, without the dot
  GradientChoice choice;
};

struct RenderOptions {
  std::string gradientFile;
  std::string output;
  GradientChoice choice;
  int width = 1024;
  int height = 64;
  float exponent = kEditorCurveExponent;
};

struct MapOptions {
  std::string gradientFile;
  std::string input;
  std::string output;
  GradientChoice choice;
  float scale = 1.0f;
  int offset = 0;  // in luminance table entries, an integer as scripts pass it
  float exponent = kEditorCurveExponent;
};

struct ExtractOptions {
  std::string input;
  std::string output;
  GradientFormat format = GradientFormat::VelumbraRecord;  // by OUT's extension
  bool row = false;  // the middle row's colours rather than the luminance map
  int maxStops = kToneMapMaxStops;
};

enum class CliCommand { Info, Convert, Render, Map, Presets, Extract };

struct CliOptions {
  CliCommand command = CliCommand::Info;
  InfoOptions info;
  ConvertOptions convert;
  RenderOptions render;
  MapOptions map;
  bool presetsJson = false;
  ExtractOptions extract;
};

struct ParsedCommandLine {
  enum class Outcome { Run, Print, UsageError } outcome = Outcome::Run;
  CliOptions options;
  std::string text;  // Print: --help or --version text; UsageError: the message
};

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv);
