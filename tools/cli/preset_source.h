// Wherever a command reads a gradient file, "preset:NAME" reads the built-in
// preset of that name instead (`velumbra presets` lists them).
#pragma once

#include <string>

#include "interchange/gradient_files.h"

// The file's gradients, or the preset's one, named after the preset.
ImportResult ImportGradientSource(const std::string& path);

// The exit status of a failed ImportGradientSource: a preset name that does
// not exist is a command line to change, a file that fails is bad input.
int FailedImportStatus(const std::string& path);

// "velumbra presets": the names, or as JSON the names and stop counts in
// the form of `info --json`'s gradients.
int RunPresets(bool json);
