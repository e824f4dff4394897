// A gradient as another program defines it: colour and opacity as functions
// of position, evaluated by that format's own rules. Readers turn bytes into
// these; the fitting turns one into a gradation the editor can hold.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Straight (not premultiplied) sRGB with alpha, every channel in 0..1.
struct SourceColor {
  double red = 0.0;
  double green = 0.0;
  double blue = 0.0;
  double alpha = 1.0;
};

struct SourceGradient {
  std::string name;  // UTF-8; may be empty
  // Position in 0..1. At a hard edge it gives the value just right of it.
  std::function<SourceColor(double position)> colorAt;
  // Ascending positions in 0..1 where colour or opacity jumps.
  std::vector<double> hardEdges;
  // What the import had to approximate or replace, one line each, for the user.
  std::vector<std::string> notes;
};

// Every reader's result: all the file's gradients, or none and an error that
// names the format and what was wrong. Nothing is ever half-loaded.
struct ReadResult {
  std::vector<SourceGradient> gradients;
  std::string error;  // empty on success

  bool ok() const { return error.empty(); }
};

// Limits every reader holds its input to, whatever the input claims.
constexpr size_t kMaxInterchangeMiB = 16;
constexpr size_t kMaxInterchangeBytes = kMaxInterchangeMiB * 1024u * 1024u;
constexpr size_t kMaxInterchangeStops = 10000;
constexpr int kMaxInterchangeNesting = 32;

// What is said of bytes over kMaxInterchangeBytes, wherever they are refused:
// "the file is larger than 16 MiB". The import refuses them where they enter;
// each reader refuses them again for callers that reach it directly.
inline std::string TooLargeText() {
  return "the file is larger than " + std::to_string(kMaxInterchangeMiB) + " MiB";
}

// A failed read: "FORMAT: WHAT".
inline ReadResult ReadFailure(std::string_view format, std::string_view what) {
  ReadResult result;
  result.error = std::string(format) + ": " + std::string(what);
  return result;
}
