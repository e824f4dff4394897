#include "interchange/css_format.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

#include "interchange/css_color.h"
#include "interchange/css_syntax.h"
#include "interchange/gradient_formats.h"
#include "interchange/stop_ramp.h"
#include "interchange/utf8_text.h"

namespace {

const std::string_view kFormat = GradientFormatName(GradientFormat::Css);
// Hard edges over the whole file, so that many small repeating gradients
// cannot multiply into more memory than any gradation could use.
constexpr size_t kMaxEdgesPerFile = 64 * kMaxInterchangeStops;

bool IsIdentChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

// The text with comments and quoted strings blanked out, line breaks kept, so
// that neither can hide or fake a gradient and line numbers stay right.
std::string WithoutCommentsAndStrings(std::string_view text) {
  std::string clean(text);
  size_t i = 0;
  auto blank = [&](size_t from, size_t to) {
    for (size_t j = from; j < to; ++j) {
      if (clean[j] != '\n') clean[j] = ' ';
    }
  };
  while (i < clean.size()) {
    if (clean.compare(i, 2, "/*") == 0) {
      const size_t end = clean.find("*/", i + 2);
      const size_t stop = end == std::string::npos ? clean.size() : end + 2;
      blank(i, stop);
      i = stop;
    } else if (clean[i] == '"' || clean[i] == '\'') {
      const char quote = clean[i];
      size_t j = i + 1;
      while (j < clean.size() && clean[j] != quote && clean[j] != '\n') {
        j += clean[j] == '\\' ? 2 : 1;
      }
      j = std::min(j, clean.size());
      blank(i + 1, j);
      i = j + 1;
    } else {
      ++i;
    }
  }
  return clean;
}

// One item of the stop list before positions are settled.
struct Entry {
  bool hint = false;
  std::optional<double> position;
  SourceColor color;
};

struct Parsed {
  std::vector<RampStop> stops;
  std::vector<std::string> notes;
  std::string error;
};

bool StartsLikeNumber(std::string_view c) {
  size_t i = (c[0] == '+' || c[0] == '-') ? 1 : 0;
  return i < c.size() && ((c[i] >= '0' && c[i] <= '9') || c[i] == '.');
}

std::string Quoted(std::string_view text) {
  constexpr size_t kShown = 40;
  return "'" + std::string(text.substr(0, kShown)) + (text.size() > kShown ? "...'" : "'");
}

// A stop position as a fraction of the gradient line, or why it cannot be one.
// Far-off positions are held to a million lines' length either way, which
// changes nothing visible and keeps every span finite.
std::optional<double> Position(std::string_view c, std::string& error) {
  constexpr double kFarthest = 1e6;
  if (const std::optional<double> fraction = ParseCssPercentageFraction(c)) {
    return std::min(kFarthest, std::max(-kFarthest, *fraction));
  }
  const std::optional<CssDimension> d = ParseCssDimension(c);
  if (!d) {
    error = Quoted(c) + " is neither a colour nor a position";
  } else if (d->unit.empty() && d->value == 0.0) {
    return 0.0;
  } else if (d->unit.empty()) {
    error = "the stop position " + Quoted(c) + " has no unit; use percentages";
  } else {
    error = "stop positions in " + d->unit + " cannot be placed on a gradation; use percentages";
  }
  return std::nullopt;
}

std::string ColorError(std::string_view c) {
  const std::string lower = AsciiLower(c);
  if (lower.rfind("var(", 0) == 0) return "var() cannot be resolved outside a page";
  for (const char* function : {"calc(", "min(", "max(", "clamp("}) {
    if (lower.rfind(function, 0) == 0) {
      return std::string(function) + ") positions cannot be placed on a gradation; use percentages";
    }
  }
  if (lower == "currentcolor") return "currentcolor has no value outside a page";
  return Quoted(c) + " is not a colour";
}

// Reads one comma-separated argument as a colour stop or a colour hint.
bool ReadEntry(std::string_view argument, std::vector<Entry>& entries, std::string& error) {
  const CssPieces parts = SplitCssTopLevel(argument, ' ');
  if (parts.pieces.empty()) {
    error = "an empty argument between commas";
    return false;
  }
  std::optional<SourceColor> color;
  std::vector<double> positions;
  for (std::string_view part : parts.pieces) {
    if (StartsLikeNumber(part)) {
      const std::optional<double> position = Position(part, error);
      if (!position) return false;
      positions.push_back(*position);
    } else {
      const std::optional<SourceColor> read = ParseCssColor(part);
      if (!read) {
        error = ColorError(part);
        return false;
      }
      if (color) {
        error = Quoted(argument) + " has more than one colour";
        return false;
      }
      color = read;
    }
  }
  if (!color) {
    if (positions.size() != 1) {
      error = Quoted(argument) + " is neither a colour stop nor a colour hint";
      return false;
    }
    entries.push_back(Entry{true, positions[0], {}});
  } else if (positions.size() > 2) {
    error = Quoted(argument) + " has more than two positions";
    return false;
  } else if (positions.empty()) {
    entries.push_back(Entry{false, std::nullopt, *color});
  } else {
    for (double p : positions) entries.push_back(Entry{false, p, *color});
  }
  return true;
}

// Whether the first argument says where the line runs or how to blend
// rather than being a colour stop; notes what is left out.
bool ReadPrelude(std::string_view argument, std::vector<std::string>& notes) {
  const CssPieces parts = SplitCssTopLevel(argument, ' ');
  if (parts.pieces.empty()) return false;
  const std::string first = AsciiLower(parts.pieces[0]);
  const std::optional<CssDimension> angle = ParseCssDimension(parts.pieces[0]);
  const bool isAngle = angle && (angle->unit == "deg" || angle->unit == "rad" ||
                                 angle->unit == "grad" || angle->unit == "turn");
  const bool legacyZero = parts.pieces.size() == 1 && first == "0";
  if (first != "to" && first != "in" && !isAngle && !legacyZero) return false;
  size_t in = 0;
  while (in < parts.pieces.size() && !EqualsIgnoringCase(parts.pieces[in], "in")) ++in;
  if (in > 0) {
    const std::string_view direction = TrimCss(argument.substr(
        0, in < parts.pieces.size() ? static_cast<size_t>(parts.pieces[in].data() - argument.data())
                                    : argument.size()));
    notes.push_back("CSS direction " + Quoted(direction) +
                    " ignored: the gradation follows the gradient line from its start to its end");
  }
  if (in < parts.pieces.size()) {
    const std::string_view method = argument.substr(parts.pieces[in].data() - argument.data());
    if (!(parts.pieces.size() == in + 2 && EqualsIgnoringCase(parts.pieces[in + 1], "srgb"))) {
      notes.push_back("CSS interpolation " + Quoted(method) +
                      " replaced by sRGB, premultiplied as for the legacy colours");
    }
  }
  return true;
}

// Missing positions as CSS settles them: the first stop at 0 %, the last at
// 100 %, none before an earlier one, and runs without positions spread
// evenly. Hints count as positioned neighbours, which keeps each hint between
// its two stops.
void SettlePositions(std::vector<Entry>& entries) {
  if (!entries.front().position) entries.front().position = 0.0;
  if (!entries.back().position) entries.back().position = 1.0;
  double highest = *entries.front().position;
  for (Entry& e : entries) {
    if (e.position) highest = *e.position = std::max(*e.position, highest);
  }
  for (size_t i = 1; i < entries.size(); ++i) {
    if (entries[i].position) continue;
    size_t end = i;
    while (!entries[end].position) ++end;
    const double from = *entries[i - 1].position;
    const double step = (*entries[end].position - from) / static_cast<double>(end - i + 1);
    for (size_t j = i; j < end; ++j)
      entries[j].position = from + step * static_cast<double>(j - i + 1);
    i = end;
  }
}

Parsed ReadStopList(std::string_view inside) {
  Parsed parsed;
  const CssPieces arguments = SplitCssTopLevel(inside, ',');
  size_t first = 0;
  if (!arguments.pieces.empty() && ReadPrelude(arguments.pieces[0], parsed.notes)) first = 1;
  std::vector<Entry> entries;
  for (size_t i = first; i < arguments.pieces.size(); ++i) {
    if (!ReadEntry(arguments.pieces[i], entries, parsed.error)) return parsed;
    if (entries.size() > kMaxInterchangeStops) {
      parsed.error = "more than " + std::to_string(kMaxInterchangeStops) + " colour stops";
      return parsed;
    }
  }
  if (entries.empty()) {
    parsed.error = "a gradient without colour stops";
    return parsed;
  }
  for (size_t i = 0; i < entries.size(); ++i) {
    const bool ends = i == 0 || i + 1 == entries.size();
    if (entries[i].hint && (ends || entries[i + 1].hint)) {
      parsed.error = "a colour hint must stand between two colour stops";
      return parsed;
    }
  }
  SettlePositions(entries);
  for (size_t i = 0; i < entries.size(); ++i) {
    const double position = *entries[i].position;
    if (!entries[i].hint) {
      parsed.stops.push_back(RampStop{position, entries[i].color, 0.5});
      continue;
    }
    const double from = parsed.stops.back().position;
    const double span = *entries[i + 1].position - from;
    if (span > 0.0) parsed.stops.back().midpoint = (position - from) / span;
  }
  return parsed;
}

// The repetition of the stops' own span across the line, as CSS paints a
// repeating gradient.
struct Repeat {
  double first = 0.0;
  double period = 0.0;
  double last = 0.0;

  double Fold(double p) const {
    const double q = p - std::floor((p - first) / period) * period;
    return q < first || q >= last ? first : q;
  }
};

// The average of the stops, premultiplied, for a repeating gradient whose
// stops all share one position.
SourceColor AverageColor(const std::vector<RampStop>& stops) {
  SourceColor sum{0.0, 0.0, 0.0, 0.0};
  for (const RampStop& s : stops) {
    sum.red += s.color.red * s.color.alpha;
    sum.green += s.color.green * s.color.alpha;
    sum.blue += s.color.blue * s.color.alpha;
    sum.alpha += s.color.alpha;
  }
  if (sum.alpha <= 0.0) return SourceColor{0.0, 0.0, 0.0, 0.0};
  return SourceColor{sum.red / sum.alpha, sum.green / sum.alpha, sum.blue / sum.alpha,
                     sum.alpha / static_cast<double>(stops.size())};
}

bool JumpsBetweenRepeats(const std::vector<RampStop>& stops) {
  const SourceColor end =
      RampColorAt(stops, StopBlend::Premultiplied, stops.back().position, RampSide::Left);
  const SourceColor start =
      RampColorAt(stops, StopBlend::Premultiplied, stops.front().position, RampSide::Right);
  return end.red != start.red || end.green != start.green || end.blue != start.blue ||
         end.alpha != start.alpha;
}

// Builds the source gradient; empty error on success.
std::string Finish(Parsed parsed, bool repeating, SourceGradient& out) {
  auto stops = std::make_shared<const std::vector<RampStop>>(std::move(parsed.stops));
  out.notes = std::move(parsed.notes);
  std::vector<double> jumps;  // where the colour jumps within one span of the stops
  for (size_t i = 0; i < stops->size(); ++i) {
    const double p = (*stops)[i].position;
    if (i > 0 && p == (*stops)[i - 1].position) continue;
    if (repeating && i == 0) {
      if (JumpsBetweenRepeats(*stops)) jumps.push_back(p);
    } else if (!(repeating && p == stops->back().position) &&
               RampJumpsAt(*stops, StopBlend::Premultiplied, p)) {
      jumps.push_back(p);
    }
  }
  if (!repeating) {
    for (double p : jumps) {
      if (p >= 0.0 && p <= 1.0) out.hardEdges.push_back(p);
    }
    out.colorAt = [stops](double position) {
      const double p = std::isnan(position) ? 0.0 : std::min(1.0, std::max(0.0, position));
      return RampColorAt(*stops, StopBlend::Premultiplied, p, RampSide::Right);
    };
    return "";
  }
  Repeat repeat{stops->front().position, stops->back().position - stops->front().position,
                stops->back().position};
  if (!(repeat.period > 0.0)) {
    const SourceColor solid = AverageColor(*stops);
    out.notes.push_back(
        "CSS repeating gradient of zero length painted as the average of its stops");
    out.colorAt = [solid](double) { return solid; };
    return "";
  }
  // Repeats that reach into 0..1, each as many stops as the list.
  const double lowest = std::floor((0.0 - repeat.first) / repeat.period);
  const double highest = std::ceil((1.0 - repeat.first) / repeat.period);
  const double repeatedStops = (highest - lowest + 1.0) * static_cast<double>(stops->size());
  if (!(repeatedStops <= static_cast<double>(kMaxInterchangeStops))) {
    return "the repeating gradient repeats every " + FormatCssNumber(repeat.period * 100.0, 6) +
           " %, more often than a gradation can follow";
  }
  for (double k = lowest; k <= highest; ++k) {
    for (double p : jumps) {
      const double x = p + k * repeat.period;
      if (x >= 0.0 && x <= 1.0) out.hardEdges.push_back(x);
    }
  }
  std::sort(out.hardEdges.begin(), out.hardEdges.end());
  out.colorAt = [stops, repeat](double position) {
    const double p = std::isnan(position) ? 0.0 : std::min(1.0, std::max(0.0, position));
    return RampColorAt(*stops, StopBlend::Premultiplied, repeat.Fold(p), RampSide::Right);
  };
  return "";
}

// The custom property a value starting at `start` belongs to, if any.
std::string CustomPropertyBefore(const std::string& text, size_t start) {
  size_t i = start;
  while (i > 0 && IsCssSpace(text[i - 1])) --i;
  if (i == 0 || text[i - 1] != ':') return "";
  --i;
  while (i > 0 && IsCssSpace(text[i - 1])) --i;
  const size_t end = i;
  while (i > 0 && IsIdentChar(text[i - 1])) --i;
  const std::string name = text.substr(i, end - i);
  return name.size() > 2 && name.compare(0, 2, "--") == 0 ? name : "";
}

}  // namespace

ReadResult ReadCssGradients(std::string_view text) {
  if (text.size() > kMaxInterchangeBytes) return ReadFailure(kFormat, TooLargeText());
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  const std::string clean = WithoutCommentsAndStrings(text);
  ReadResult result;
  size_t line = 1;
  size_t counted = 0;  // line counts the breaks before this offset
  size_t edges = 0;
  size_t i = 0;
  while (i < clean.size()) {
    if (!IsIdentChar(clean[i])) {
      ++i;
      continue;
    }
    const size_t start = i;
    while (i < clean.size() && IsIdentChar(clean[i])) ++i;
    if (i >= clean.size() || clean[i] != '(') continue;
    const std::string function = AsciiLower(std::string_view(clean).substr(start, i - start));
    const bool repeating = function == "repeating-linear-gradient";
    if (!repeating && function != "linear-gradient") continue;

    line += static_cast<size_t>(std::count(clean.begin() + static_cast<long>(counted),
                                           clean.begin() + static_cast<long>(start), '\n'));
    counted = start;
    const std::string where = "line " + std::to_string(line) + ": ";
    const size_t open = i;
    int depth = 0;
    for (; i < clean.size(); ++i) {
      if (clean[i] == '(' && ++depth > kMaxInterchangeNesting) {
        return ReadFailure(kFormat, where + "parentheses nested deeper than " +
                                        std::to_string(kMaxInterchangeNesting));
      }
      if (clean[i] == ')' && --depth == 0) break;
    }
    if (i >= clean.size()) return ReadFailure(kFormat, where + function + "( is never closed");
    const std::string_view inside = std::string_view(clean).substr(open + 1, i - open - 1);
    ++i;

    SourceGradient gradient;
    // Names are UTF-8, whatever bytes the text holds.
    gradient.name = ValidUtf8(CustomPropertyBefore(clean, start));
    if (gradient.name.empty())
      gradient.name = "gradient " + std::to_string(result.gradients.size() + 1);
    Parsed parsed = ReadStopList(inside);
    if (!parsed.error.empty()) return ReadFailure(kFormat, where + parsed.error);
    const std::string error = Finish(std::move(parsed), repeating, gradient);
    if (!error.empty()) return ReadFailure(kFormat, where + error);
    edges += gradient.hardEdges.size();
    if (edges > kMaxEdgesPerFile) {
      return ReadFailure(
          kFormat, where + "more hard edges in the file than " + std::to_string(kMaxEdgesPerFile));
    }
    result.gradients.push_back(std::move(gradient));
  }
  if (result.gradients.empty()) {
    return ReadFailure(kFormat, "no linear-gradient() or repeating-linear-gradient() found");
  }
  return result;
}

std::string WriteCssGradient(const std::vector<LinearStop>& stops) {
  std::vector<LinearStop> list = stops;
  if (list.empty()) list.push_back(LinearStop{0.0, SourceColor{0.0, 0.0, 0.0, 0.0}});
  // CSS wants two stops; one stop twice paints the same solid colour.
  if (list.size() == 1) list.push_back(list.front());
  std::string text = "linear-gradient(to right";
  double previous = 0.0;
  for (const LinearStop& stop : list) {
    double p = std::isnan(stop.position) ? 0.0 : std::min(1.0, std::max(0.0, stop.position));
    previous = p = std::max(p, previous);
    text += ", " + FormatCssColor(stop.color) + " " + FormatCssNumber(p * 100.0, 6) + "%";
  }
  return text + ")\n";
}
