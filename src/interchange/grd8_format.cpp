#include "interchange/grd8_format.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "interchange/action_descriptor.h"
#include "interchange/color_models.h"
#include "interchange/gradient_formats.h"

namespace {

constexpr size_t kHeaderSize = 10;  // signature, version, descriptor version
constexpr uint16_t kSupportedVersion = 5;
constexpr uint32_t kDescriptorVersion = 16;
constexpr double kLocationScale = 4096.0;  // locations and smoothness run 0..4096
constexpr size_t kNamesListed = 5;         // skipped gradients named in a note

// One stop of a colour or opacity track; opacity uses the first channel.
struct TrackStop {
  double position = 0.0;  // 0..1
  double midpoint = 0.5;  // of the span that ends at this stop, 0..1
  std::array<double, 3> value{};
};
using Track = std::vector<TrackStop>;

// The curved blend: the span's midpoint m is where the mix reaches one half.
double Bend(double t, double midpoint) {
  if (midpoint == 0.5 || t <= 0.0) return t;
  return std::pow(t, std::log(0.5) / std::log(midpoint));
}

// Beyond the ends the end values hold; where stops share a position the
// last of them applies from there on.
std::array<double, 3> Evaluate(const Track& track, double position) {
  const auto after =
      std::upper_bound(track.begin(), track.end(), position,
                       [](double value, const TrackStop& stop) { return value < stop.position; });
  if (after == track.begin()) return track.front().value;
  if (after == track.end()) return track.back().value;
  const TrackStop& left = *(after - 1);
  const TrackStop& right = *after;
  const double t =
      Bend((position - left.position) / (right.position - left.position), right.midpoint);
  std::array<double, 3> mixed{};
  for (size_t i = 0; i < mixed.size(); ++i) {
    mixed[i] = left.value[i] + (right.value[i] - left.value[i]) * t;
  }
  return mixed;
}

void AddJumps(const Track& track, std::vector<double>& edges) {
  for (size_t i = 1; i < track.size(); ++i) {
    if (track[i].position == track[i - 1].position && track[i].value != track[i - 1].value) {
      edges.push_back(track[i].position);
    }
  }
}

double Clamp(double value, double low, double high) { return std::min(high, std::max(low, value)); }

// Localizable names read "$$$/Key/Path=Default text"; the user knows the text.
std::string DisplayName(const std::string& name) {
  if (name.compare(0, 4, "$$$/") != 0) return name;
  const size_t equals = name.find('=');
  if (equals != std::string::npos) return name.substr(equals + 1);
  return name.substr(name.rfind('/') + 1);
}

std::string ListNames(const std::vector<std::string>& names) {
  std::string list;
  for (size_t i = 0; i < names.size() && i < kNamesListed; ++i) {
    list += (i == 0 ? "'" : ", '") + names[i] + "'";
  }
  if (names.size() > kNamesListed) {
    list += " and " + std::to_string(names.size() - kNamesListed) + " more";
  }
  return list;
}

// What reading one gradient found: the first error, and the notes.
class GradientReading {
 public:
  explicit GradientReading(std::string context) : context_(std::move(context)) {}

  bool Fail(const std::string& what) {
    if (error_.empty()) error_ = context_ + ": " + what;
    return false;
  }
  void Note(const std::string& note) {
    if (std::find(notes_.begin(), notes_.end(), note) == notes_.end()) notes_.push_back(note);
  }

  // A finite number under `key`, or nothing (missing); a failure when the
  // item is there but holds no finite number.
  bool Number(const Descriptor& in, std::string_view key, std::optional<double>& out) {
    out.reset();
    const DescriptorValue* value = FindItem(in, key);
    if (value == nullptr) return true;
    const std::optional<double> number = NumberOf(*value);
    if (!number || !std::isfinite(*number)) {
      return Fail(QuotedKey(key) + " in " + QuotedKey(in.classId) + " is not a finite number");
    }
    out = number;
    return true;
  }
  bool Required(const Descriptor& in, std::string_view key, double& out) {
    std::optional<double> number;
    if (!Number(in, key, number)) return false;
    if (!number) return Fail(QuotedKey(in.classId) + " has no " + QuotedKey(key));
    out = *number;
    return true;
  }

  const std::string& error() const { return error_; }
  std::vector<std::string>& notes() { return notes_; }

 private:
  std::string context_;
  std::string error_;
  std::vector<std::string> notes_;
};

// The components of one colour model, each scaled into 0..1 by its divisor.
bool Components(const Descriptor& in, std::initializer_list<std::string_view> keys, double divisor,
                GradientReading& reading, std::array<double, 4>& out) {
  size_t i = 0;
  for (const std::string_view key : keys) {
    if (!reading.Required(in, key, out[i])) return false;
    out[i++] /= divisor;
  }
  return true;
}

bool IsPlainColorClass(std::string_view kind) {
  return kind == "RGBC" || kind == "HSBC" || kind == "Grsc" || kind == "CMYC" || kind == "LbCl";
}

// A colour by its model's items, `kind` naming the model.
bool ModelColor(const Descriptor& in, std::string_view kind, GradientReading& reading,
                SourceColor& out) {
  std::array<double, 4> c{};
  if (kind == "RGBC") {
    // Newer files may carry only the 0..1 components.
    if (FindItem(in, "Rd  ") == nullptr && FindItem(in, "redFloat") != nullptr) {
      if (!Components(in, {"redFloat", "greenFloat", "blueFloat"}, 1.0, reading, c)) return false;
    } else if (!Components(in, {"Rd  ", "Grn ", "Bl  "}, 255.0, reading, c)) {
      return false;
    }
    out = SourceColor{Clamp(c[0], 0, 1), Clamp(c[1], 0, 1), Clamp(c[2], 0, 1), 1.0};
    return true;
  }
  if (kind == "HSBC") {
    double hue = 0.0;  // degrees
    if (!reading.Required(in, "H   ", hue) ||
        !Components(in, {"Strt", "Brgh"}, 100.0, reading, c)) {
      return false;
    }
    out = HsbToSrgb(hue, c[0], c[1]);
    return true;
  }
  if (kind == "Grsc") {
    if (!Components(in, {"Gry "}, 100.0, reading, c)) return false;
    const double level = 1.0 - Clamp(c[0], 0, 1);  // the ink: 0 is white
    out = SourceColor{level, level, level, 1.0};
    return true;
  }
  if (kind == "CMYC") {
    if (!Components(in, {"Cyn ", "Mgnt", "Ylw ", "Blck"}, 100.0, reading, c)) return false;
    out = CmykToSrgb(c[0], c[1], c[2], c[3]);
    reading.Note("CMYK colours were converted without a colour profile");
    return true;
  }
  if (kind == "LbCl") {
    if (!Components(in, {"Lmnc", "A   ", "B   "}, 1.0, reading, c)) return false;
    out = LabD50ToSrgb(c[0], c[1], c[2]);
    return true;
  }
  return reading.Fail("a colour of unknown kind " + QuotedKey(kind));
}

// A book colour carries its colour as a nested descriptor or as the items
// of one model; without either only its name is known.
bool BookColor(const Descriptor& in, GradientReading& reading, SourceColor& out) {
  for (const DescriptorItem& item : in.items) {
    if (item.value.type == DescriptorType::Object &&
        IsPlainColorClass(item.value.object.front().classId)) {
      const Descriptor& nested = item.value.object.front();
      return ModelColor(nested, nested.classId, reading, out);
    }
  }
  static const std::pair<std::string_view, std::string_view> kModelByItem[] = {
      {"Rd  ", "RGBC"}, {"redFloat", "RGBC"}, {"Lmnc", "LbCl"},
      {"Cyn ", "CMYC"}, {"H   ", "HSBC"},     {"Gry ", "Grsc"}};
  for (const auto& [key, kind] : kModelByItem) {
    if (FindItem(in, key) != nullptr) return ModelColor(in, kind, reading, out);
  }
  const DescriptorValue* name = FindItem(in, "Nm  ");
  const std::string shown = name != nullptr && name->type == DescriptorType::Text
                                ? "'" + DisplayName(name->text) + "'"
                                : "without a name";
  reading.Note("book colour " + shown + " carries no colour values; taken as black");
  out = SourceColor{0.0, 0.0, 0.0, 1.0};
  return true;
}

bool ReadColor(const Descriptor& in, GradientReading& reading, SourceColor& out) {
  if (in.classId == "BkCl") return BookColor(in, reading, out);
  return ModelColor(in, in.classId, reading, out);
}

// Location and midpoint, shared by both kinds of stop.
bool ReadPlacement(const Descriptor& stop, GradientReading& reading, TrackStop& out) {
  double location = 0.0;
  std::optional<double> midpoint;
  if (!reading.Required(stop, "Lctn", location) || !reading.Number(stop, "Mdpn", midpoint)) {
    return false;
  }
  out.position = Clamp(location, 0.0, kLocationScale) / kLocationScale;
  // Kept off 0 and 1, where the curve would degenerate into a step.
  out.midpoint = Clamp(midpoint.value_or(50.0) / 100.0, 0.01, 0.99);
  return true;
}

// The stop descriptors of a list item, or a failure naming the list.
bool StopList(const Descriptor& gradient, std::string_view key, std::string_view what,
              GradientReading& reading, std::vector<const Descriptor*>& out) {
  const DescriptorValue* list = FindItem(gradient, key);
  if (list == nullptr) return true;
  if (list->type != DescriptorType::List) return reading.Fail(QuotedKey(key) + " is not a list");
  if (list->list.size() > kMaxInterchangeStops) {
    return reading.Fail(std::to_string(list->list.size()) + " " + std::string(what) +
                        " stops, more than the " + std::to_string(kMaxInterchangeStops) +
                        " allowed");
  }
  for (const DescriptorValue& entry : list->list) {
    if (entry.type != DescriptorType::Object) {
      return reading.Fail(std::string(what) + " stops in " + QuotedKey(key) +
                          " are not descriptors");
    }
    out.push_back(&entry.object.front());
  }
  return true;
}

bool ReadColorStops(const Descriptor& gradient, GradientReading& reading, Track& out) {
  std::vector<const Descriptor*> stops;
  if (!StopList(gradient, "Clrs", "colour", reading, stops)) return false;
  if (stops.empty()) return reading.Fail("no colour stops");
  for (const Descriptor* stop : stops) {
    TrackStop read;
    if (!ReadPlacement(*stop, reading, read)) return false;
    const DescriptorValue* type = FindItem(*stop, "Type");
    const std::string kind = type != nullptr && type->type == DescriptorType::Enumerated
                                 ? type->text
                                 : std::string("UsrS");
    SourceColor color;
    if (kind == "FrgC") {
      reading.Note("foreground colour stops were taken as black");
    } else if (kind == "BckC") {
      color = SourceColor{1.0, 1.0, 1.0, 1.0};
      reading.Note("background colour stops were taken as white");
    } else if (kind == "UsrS") {
      const Descriptor* colorItem = FindObject(*stop, "Clr ");
      if (colorItem == nullptr) return reading.Fail("a colour stop has no colour ('Clr ')");
      if (!ReadColor(*colorItem, reading, color)) return false;
    } else {
      return reading.Fail("a colour stop of unknown type " + QuotedKey(kind));
    }
    read.value = {color.red, color.green, color.blue};
    out.push_back(read);
  }
  return true;
}

bool ReadOpacityStops(const Descriptor& gradient, GradientReading& reading, Track& out) {
  std::vector<const Descriptor*> stops;
  if (!StopList(gradient, "Trns", "opacity", reading, stops)) return false;
  for (const Descriptor* stop : stops) {
    TrackStop read;
    double opacity = 0.0;
    if (!ReadPlacement(*stop, reading, read) || !reading.Required(*stop, "Opct", opacity)) {
      return false;
    }
    read.value = {Clamp(opacity / 100.0, 0.0, 1.0), 0.0, 0.0};
    out.push_back(read);
  }
  if (out.empty()) {
    reading.Note("the gradient has no opacity stops; taken as opaque");
    out.push_back(TrackStop{0.0, 0.5, {1.0, 0.0, 0.0}});
  }
  return true;
}

bool ReadSolidGradient(const Descriptor& gradient, GradientReading& reading, SourceGradient& out) {
  Track colors;
  Track opacities;
  std::optional<double> smoothness;
  if (!ReadColorStops(gradient, reading, colors) ||
      !ReadOpacityStops(gradient, reading, opacities) ||
      !reading.Number(gradient, "Intr", smoothness)) {
    return false;
  }
  if (smoothness && *smoothness < kLocationScale) {
    const long percent = std::lround(Clamp(*smoothness, 0.0, kLocationScale) / 40.96);
    reading.Note("smoothness " + std::to_string(percent) +
                 " % is approximated by straight blends between stops");
  }
  // Equal locations keep the file's order: the later stop applies from there.
  const auto byPosition = [](const TrackStop& a, const TrackStop& b) {
    return a.position < b.position;
  };
  std::stable_sort(colors.begin(), colors.end(), byPosition);
  std::stable_sort(opacities.begin(), opacities.end(), byPosition);
  AddJumps(colors, out.hardEdges);
  AddJumps(opacities, out.hardEdges);
  std::sort(out.hardEdges.begin(), out.hardEdges.end());
  out.hardEdges.erase(std::unique(out.hardEdges.begin(), out.hardEdges.end()), out.hardEdges.end());
  out.colorAt = [colors = std::move(colors), opacities = std::move(opacities)](double position) {
    const std::array<double, 3> color = Evaluate(colors, position);
    return SourceColor{color[0], color[1], color[2], Evaluate(opacities, position)[0]};
  };
  out.notes = std::move(reading.notes());
  return true;
}

std::string Context(size_t index, const std::string& name) {
  std::string context = "gradient " + std::to_string(index + 1);
  if (!name.empty()) context += " ('" + name + "')";
  return context;
}

std::string GradientName(const Descriptor& gradient) {
  const DescriptorValue* name = FindItem(gradient, "Nm  ");
  if (name == nullptr || name->type != DescriptorType::Text) return std::string();
  return DisplayName(name->text);
}

ReadResult Failure(const std::string& what) {
  return ReadFailure(GradientFormatName(GradientFormat::Grd8), what);
}

uint32_t BigEndian(std::string_view bytes, size_t offset, size_t size) {
  uint32_t value = 0;
  for (size_t i = 0; i < size; ++i) value = value << 8 | static_cast<uint8_t>(bytes[offset + i]);
  return value;
}

}  // namespace

bool HasGrd8Signature(std::string_view bytes) { return bytes.substr(0, 4) == "8BGR"; }

ReadResult ReadGrd8Gradients(std::string_view bytes) {
  if (bytes.size() > kMaxInterchangeBytes) return Failure(TooLargeText());
  if (!HasGrd8Signature(bytes)) return Failure("the file does not start with \"8BGR\"");
  if (bytes.size() < 6) return Failure("the file ends early, inside its header");
  const uint32_t version = BigEndian(bytes, 4, 2);
  if (version == 3) {
    return Failure("version 3 files are not supported; re-save it in a newer version");
  }
  if (version != kSupportedVersion) {
    return Failure("version " + std::to_string(version) +
                   " files are not supported; only version 5 is");
  }
  if (bytes.size() < kHeaderSize) return Failure("the file ends early, inside its header");
  const uint32_t descriptorVersion = BigEndian(bytes, 6, 4);
  if (descriptorVersion != kDescriptorVersion) {
    return Failure("descriptor version " + std::to_string(descriptorVersion) +
                   " is not supported; only 16 is");
  }

  const DescriptorParse parse = ParseDescriptor(bytes, kHeaderSize);
  if (!parse.error.empty()) return Failure(parse.error);
  const DescriptorValue* list = FindItem(parse.descriptor, "GrdL");
  if (list == nullptr) return Failure("the file holds no gradient list ('GrdL')");
  if (list->type != DescriptorType::List) return Failure("the gradient list is not a list");

  ReadResult result;
  std::vector<std::string> noise;
  for (size_t i = 0; i < list->list.size(); ++i) {
    const DescriptorValue& entry = list->list[i];
    const Descriptor* gradient =
        entry.type == DescriptorType::Object ? FindObject(entry.object.front(), "Grad") : nullptr;
    if (gradient == nullptr) return Failure(Context(i, "") + " holds no gradient ('Grad')");

    const std::string name = GradientName(*gradient);
    GradientReading reading(Context(i, name));
    const DescriptorValue* form = FindItem(*gradient, "GrdF");
    const std::string kind =
        form != nullptr && form->type == DescriptorType::Enumerated ? form->text : "CstS";
    if (kind == "ClNs") {
      noise.push_back(name.empty() ? Context(i, name) : name);
      continue;
    }
    if (kind != "CstS") {
      reading.Fail("a gradient of unknown kind " + QuotedKey(kind));
      return Failure(reading.error());
    }
    SourceGradient read;
    read.name = name;
    if (!ReadSolidGradient(*gradient, reading, read)) return Failure(reading.error());
    result.gradients.push_back(std::move(read));
  }

  if (result.gradients.empty()) {
    if (noise.empty()) return Failure("the file holds no gradients");
    return Failure("the file holds only noise gradients (" + ListNames(noise) +
                   "), which cannot be imported");
  }
  if (!noise.empty()) {
    // The pack's own note, carried by its first gradient.
    std::vector<std::string>& notes = result.gradients.front().notes;
    notes.insert(notes.begin(),
                 "skipped " + std::to_string(noise.size()) +
                     " noise gradient(s), which cannot be imported: " + ListNames(noise));
  }
  return result;
}
