#include "interchange/ggr_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <string>
#include <system_error>

#include "interchange/ggr_segments.h"
#include "interchange/gradient_formats.h"
#include "interchange/utf8_text.h"

namespace {

const std::string_view kFormat = GradientFormatName(GradientFormat::Ggr);
// How far apart numbers written with six decimals may leave what was meant
// to be one position.
constexpr double kSlack = 1e-6;

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    const size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    if (i > start) fields.push_back(line.substr(start, i - start));
  }
  return fields;
}

bool ParseNumber(std::string_view text, double* value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size() && std::isfinite(*value);
}

bool ParseInteger(std::string_view text, int* value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

// A segment endpoint that follows GIMP's foreground or background colour:
// black or white here, transparent for the transparent kinds.
bool ResolveEndpoint(int kind, SourceColor* color) {
  switch (kind) {
    case 0:
      return true;
    case 1:
    case 2:
      *color = SourceColor{0.0, 0.0, 0.0, kind == 1 ? 1.0 : 0.0};
      return true;
    case 3:
    case 4:
      *color = SourceColor{1.0, 1.0, 1.0, kind == 3 ? 1.0 : 0.0};
      return true;
    default:
      return false;
  }
}

struct Parser {
  std::vector<GgrSegment> segments;
  bool followsEditorColors = false;
  std::string error;

  bool Fail(size_t lineIndex, const std::string& what) {
    error = "line " + std::to_string(lineIndex + 1) + ": " + what;
    return false;
  }

  bool ParseSegment(std::string_view line, size_t lineIndex) {
    const std::vector<std::string_view> fields = Fields(line);
    if (fields.size() != 13 && fields.size() != 15) {
      return Fail(lineIndex,
                  "a segment has 13 or 15 numbers, this line " + std::to_string(fields.size()));
    }
    double numbers[11];
    for (size_t k = 0; k < 11; ++k) {
      if (!ParseNumber(fields[k], &numbers[k])) {
        return Fail(lineIndex, "\"" + std::string(fields[k].substr(0, 40)) + "\" is not a number");
      }
      if (numbers[k] < -kSlack || numbers[k] > 1.0 + kSlack) {
        return Fail(lineIndex, "\"" + std::string(fields[k]) + "\" lies outside 0..1");
      }
      numbers[k] = std::clamp(numbers[k], 0.0, 1.0);
    }
    int kinds[4] = {0, 0, 0, 0};
    for (size_t k = 11; k < fields.size(); ++k) {
      if (!ParseInteger(fields[k], &kinds[k - 11])) {
        return Fail(lineIndex,
                    "\"" + std::string(fields[k].substr(0, 40)) + "\" is not a whole number");
      }
    }
    GgrSegment segment;
    segment.left = numbers[0];
    segment.middle = numbers[1];
    segment.right = numbers[2];
    segment.leftColor = SourceColor{numbers[3], numbers[4], numbers[5], numbers[6]};
    segment.rightColor = SourceColor{numbers[7], numbers[8], numbers[9], numbers[10]};
    if (kinds[0] < 0 || kinds[0] > 5) return Fail(lineIndex, "unknown blend function");
    if (kinds[1] < 0 || kinds[1] > 2) return Fail(lineIndex, "unknown colouring");
    segment.blend = static_cast<GgrBlend>(kinds[0]);
    segment.coloring = static_cast<GgrColoring>(kinds[1]);
    if (!ResolveEndpoint(kinds[2], &segment.leftColor) ||
        !ResolveEndpoint(kinds[3], &segment.rightColor)) {
      return Fail(lineIndex, "unknown endpoint colour kind");
    }
    followsEditorColors = followsEditorColors || kinds[2] != 0 || kinds[3] != 0;

    // Contiguous from 0 to 1, each middle within its segment.
    const double expectedLeft = segments.empty() ? 0.0 : segments.back().right;
    if (std::fabs(segment.left - expectedLeft) > kSlack) {
      return Fail(lineIndex, "the segment does not start where the one before ends");
    }
    segment.left = expectedLeft;
    if (segment.right < segment.left - kSlack) {
      return Fail(lineIndex, "the segment ends before it starts");
    }
    segment.right = std::max(segment.right, segment.left);
    if (segment.middle < segment.left - kSlack || segment.middle > segment.right + kSlack) {
      return Fail(lineIndex, "the middle lies outside the segment");
    }
    segment.middle = std::clamp(segment.middle, segment.left, segment.right);
    segments.push_back(segment);
    return true;
  }
};

std::string Fixed(double value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 10);
  return std::string(text, result.ptr);
}

// A position on the grid the text can say exactly.
double OnGrid(double position) {
  if (!(position > 0.0)) return 0.0;
  if (position >= 1.0) return 1.0;
  return std::round(position * 1e10) / 1e10;
}

double Channel(double value) { return value > 0.0 ? std::min(value, 1.0) : 0.0; }

std::string ColorText(const SourceColor& c) {
  return Fixed(Channel(c.red)) + " " + Fixed(Channel(c.green)) + " " + Fixed(Channel(c.blue)) +
         " " + Fixed(Channel(c.alpha));
}

}  // namespace

ReadResult ReadGgr(std::string_view bytes) {
  if (bytes.size() > kMaxInterchangeBytes) return ReadFailure(kFormat, TooLargeText());
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  const std::vector<std::string_view> lines = SplitLines(bytes);
  if (lines.empty() || Trim(lines[0]) != "GIMP Gradient") {
    return ReadFailure(kFormat, "line 1: not a GIMP gradient (no \"GIMP Gradient\" header)");
  }
  SourceGradient gradient;
  size_t next = 1;
  if (next < lines.size() && lines[next].substr(0, 5) == "Name:") {
    const std::string_view name = Trim(lines[next].substr(5));
    if (!IsValidUtf8(name)) return ReadFailure(kFormat, "line 2: the name is not UTF-8");
    gradient.name = std::string(name);
    ++next;
  }
  if (next >= lines.size()) return ReadFailure(kFormat, "the file ends before the segment count");
  const size_t countLine = next++;
  int count = 0;
  if (!ParseInteger(Trim(lines[countLine]), &count)) {
    return ReadFailure(kFormat, "line " + std::to_string(countLine + 1) +
                                    ": the segment count is not a whole number");
  }
  if (count < 1 || static_cast<size_t>(count) > kMaxInterchangeStops) {
    return ReadFailure(kFormat, "line " + std::to_string(countLine + 1) + ": " +
                                    std::to_string(count) + " segments, not 1 to " +
                                    std::to_string(kMaxInterchangeStops));
  }
  // Trailing blank lines are allowed; anything else must be a segment.
  size_t end = lines.size();
  while (end > next && Trim(lines[end - 1]).empty()) --end;
  if (end - next < static_cast<size_t>(count)) {
    return ReadFailure(kFormat, "the file ends after " + std::to_string(end - next) + " of " +
                                    std::to_string(count) + " segments");
  }
  if (end - next > static_cast<size_t>(count)) {
    return ReadFailure(kFormat, "line " + std::to_string(next + count + 1) +
                                    ": more lines than the " + std::to_string(count) +
                                    " segments announced");
  }
  Parser parser;
  parser.segments.reserve(static_cast<size_t>(count));
  for (size_t i = next; i < end; ++i) {
    if (!parser.ParseSegment(lines[i], i)) return ReadFailure(kFormat, parser.error);
  }
  if (std::fabs(parser.segments.back().right - 1.0) > kSlack) {
    return ReadFailure(kFormat, "line " + std::to_string(end) + ": the segments end before 1");
  }
  parser.segments.back().right = 1.0;

  gradient.hardEdges = GgrHardEdges(parser.segments);
  if (parser.followsEditorColors) {
    gradient.notes.push_back(
        "Segment ends that follow GIMP's foreground or background colour became black or white.");
  }
  auto segments = std::make_shared<const std::vector<GgrSegment>>(std::move(parser.segments));
  gradient.colorAt = [segments](double position) { return GgrColorAt(*segments, position); };
  ReadResult result;
  result.gradients.push_back(std::move(gradient));
  return result;
}

std::string WriteGgr(const std::vector<LinearStop>& stops, std::string_view name) {
  // Knots: each distinct position with the colour arriving and the colour leaving.
  struct Knot {
    double position;
    SourceColor arriving, leaving;
  };
  std::vector<LinearStop> sorted;
  for (const LinearStop& stop : stops) {
    if (std::isnan(stop.position)) continue;
    sorted.push_back(LinearStop{OnGrid(stop.position), stop.color});
  }
  std::stable_sort(sorted.begin(), sorted.end(), [](const LinearStop& a, const LinearStop& b) {
    return a.position < b.position;
  });
  std::vector<Knot> knots;
  for (const LinearStop& stop : sorted) {
    if (!knots.empty() && knots.back().position == stop.position) {
      knots.back().leaving = stop.color;
    } else {
      knots.push_back(Knot{stop.position, stop.color, stop.color});
    }
  }
  if (knots.empty()) knots.push_back(Knot{0.0, SourceColor{}, SourceColor{}});
  if (knots.front().position > 0.0) {
    const SourceColor first = knots.front().arriving;
    knots.insert(knots.begin(), Knot{0.0, first, first});
  }
  if (knots.back().position < 1.0) {
    const SourceColor last = knots.back().leaving;
    knots.push_back(Knot{1.0, last, last});
  }

  // The reader takes only a UTF-8 name on one line, whatever the caller's was.
  std::string safeName = ValidUtf8(name);
  std::replace_if(
      safeName.begin(), safeName.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  std::string text =
      "GIMP Gradient\nName: " + safeName + "\n" + std::to_string(knots.size() - 1) + "\n";
  for (size_t i = 0; i + 1 < knots.size(); ++i) {
    const double left = knots[i].position;
    const double right = knots[i + 1].position;
    text += Fixed(left) + " " + Fixed(OnGrid((left + right) / 2.0)) + " " + Fixed(right) + " " +
            ColorText(knots[i].leaving) + " " + ColorText(knots[i + 1].arriving) + " 0 0 0 0\n";
  }
  return text;
}
