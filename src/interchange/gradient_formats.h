// The gradient formats this editor reads or writes, one row each: everything
// that names, recognises, reads or writes a format comes from here (the
// import and export, the editor's file dialogs and messages, the command
// line, the fuzz targets).
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "interchange/source_gradient.h"
#include "model/gradation.h"

// The rows, in the table's order, which is the order detection tries them in.
enum class GradientFormat {
  VelumbraRecord,
  Grd8,
  Ggr,
  Svg,
  Css,
  Png,
  Jpeg,
  Bmp,
  Gif,
  Tga,
  Unknown
};

constexpr size_t kGradientFormatCount = static_cast<size_t>(GradientFormat::Unknown);

// A gradation a row makes whole from the bytes, without fitting: a picture's
// gradient map.
struct MapRead {
  GradationData gradation;
  std::string error;  // English, for the user; empty on success
};

struct GradientFormatRow {
  GradientFormat format;
  // English, for messages and the start of every reader's error ("GIMP
  // gradient: line 3: ..."). Its first word is the family that lists of
  // formats name it by ("GIMP").
  const char* name;
  // Lower case, without the dot; the first is the one written; unused places
  // are null.
  std::array<const char*, 2> extensions;
  // Code page 932, for the editor: what the load-failure line calls it...
  const char* label;
  // ...and its entry in the file dialogs' lists, "%s" standing for its
  // patterns and those of the rows right after it without an entry; null for
  // such a row, whose files the entry before it lists.
  const char* fileTypeLabel;
  // Whether the bytes are of this format; detection takes the first row that says so.
  bool (*detect)(std::string_view bytes);
  // The gradients an import fits; null for the record, which loads exactly
  // as it was saved.
  ReadResult (*read)(std::string_view bytes);
  // The file's bytes, `name` going where the format keeps one; null for a
  // format that is only read.
  std::string (*write)(const GradationData& gradation, std::string_view name);
  // The largest file read as this format.
  size_t maxBytes = kMaxInterchangeBytes;
  // For a format read whole rather than fitted (`read` null): the gradation
  // made from its bytes.
  MapRead (*readMap)(std::string_view bytes) = nullptr;
};

extern const std::array<GradientFormatRow, kGradientFormatCount> kGradientFormats;

// The format's row; null for Unknown.
const GradientFormatRow* FormatRow(GradientFormat format);

// The row's maxBytes; kMaxInterchangeBytes for Unknown.
size_t FormatMaxBytes(GradientFormat format);

// The row's name, "unknown format" for Unknown.
const char* GradientFormatName(GradientFormat format);

// The first word of the row's name: "GIMP".
std::string_view GradientFormatFamily(const GradientFormatRow& row);
