// What the editor's file dialogs and gradient chooser show, and what the
// user's choices there mean: no windows, so it is tested natively.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "interchange/gradient_files.h"

// The message box text for a file that did not load, in code page 932: the
// load-failure line, then one naming the cause.
std::string LoadFailureMessage(const ImportResult& result);

// The chooser's lines, UTF-8, one per gradient of a file of several: its
// name on one line, or "#N" (counted from 1) for one without a name.
std::vector<std::string> ChooserLabels(const std::vector<ImportedGradient>& gradients);

// The file dialogs' lists (lpstrFilter), in code page 932: label, NUL,
// patterns, NUL for each entry, then a second NUL ends the list. Loading
// offers each format with an entry in kGradientFormats, every supported file
// after the first (a loaded file is recognised by its content, so the first
// entry serves the other program's .grd packs as well), and all files;
// saving offers each format written, by the extension written, and all files.
std::string LoadFileFilter();
std::string SaveFileFilter();

// The save dialog's lpstrDefExt: the first entry's extension.
const char* SaveDefaultExtension();

struct SaveTarget {
  std::string path;
  GradientFormat format = GradientFormat::VelumbraRecord;
  bool extensionAdded = false;  // so the dialog never asked about replacing this path
};

// Where and how the save dialog's answer is written. `filterIndex` is its
// nFilterIndex, counted from 1 in the order of SaveFileFilter(): a format's
// entry writes that format, adding its extension to a name that lacks it;
// "*.*" goes by the typed extension, the first entry's format by default.
SaveTarget SaveTargetFor(std::string path, unsigned long filterIndex);

// The name written into the formats that keep one, for bank ID `id`.
std::string ExportedGradientName(int32_t id);
