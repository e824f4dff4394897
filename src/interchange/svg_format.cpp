#include "interchange/svg_format.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "interchange/css_color.h"
#include "interchange/css_syntax.h"
#include "interchange/gradient_formats.h"
#include "interchange/stop_ramp.h"
#include "interchange/utf8_text.h"

namespace {

const std::string_view kFormat = GradientFormatName(GradientFormat::Svg);
// Stops over all gradients, counting inherited ones again for each gradient
// that takes them, so that many references to one long list stay bounded.
constexpr size_t kMaxStopsPerFile = 64 * kMaxInterchangeStops;

using Stops = std::shared_ptr<const std::vector<RampStop>>;

std::string_view LocalName(std::string_view name) {
  const size_t colon = name.rfind(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// A presentation property: the style attribute's declaration over the
// attribute of the same name, empty when neither is given.
std::string Property(const pugi::xml_node& node, std::string_view name) {
  std::string value;
  const std::string_view style = node.attribute("style").value();
  size_t start = 0;
  while (start <= style.size()) {
    size_t end = style.find(';', start);
    if (end == std::string_view::npos) end = style.size();
    const std::string_view declaration = style.substr(start, end - start);
    const size_t colon = declaration.find(':');
    if (colon != std::string_view::npos &&
        EqualsIgnoringCase(TrimCss(declaration.substr(0, colon)), name)) {
      std::string_view v = TrimCss(declaration.substr(colon + 1));
      const size_t bang = v.find('!');
      if (bang != std::string_view::npos) v = TrimCss(v.substr(0, bang));
      value = std::string(v);
    }
    start = end + 1;
  }
  if (!value.empty()) return value;
  return std::string(TrimCss(node.attribute(std::string(name).c_str()).value()));
}

// A number or a percentage as a fraction.
std::optional<double> Fraction(std::string_view text) {
  if (!text.empty() && text.back() == '%') return ParseCssPercentageFraction(text);
  const std::optional<CssDimension> d = ParseCssDimension(text);
  if (!d || !d->unit.empty()) return std::nullopt;
  return d->value;
}

double Clamp01(double v) { return std::min(1.0, std::max(0.0, v)); }

// currentColor: the nearest `color` on the stop or the elements around it.
std::string CurrentColor(pugi::xml_node node) {
  for (int step = 0; node && step < kMaxInterchangeNesting; ++step, node = node.parent()) {
    const std::string color = Property(node, "color");
    if (!color.empty() && !EqualsIgnoringCase(color, "inherit") &&
        !EqualsIgnoringCase(color, "currentcolor")) {
      return color;
    }
  }
  return "black";
}

struct Element {
  pugi::xml_node node;
  std::string name;
  Stops ownStops;  // null when it has no <stop> children
  std::vector<std::string> notes;
};

// The element's own <stop> children, offsets held to 0..1 and never
// decreasing; anything unreadable falls back to SVG's defaults with a note.
// Empty error on success.
std::string ReadOwnStops(Element& element) {
  std::vector<RampStop> stops;
  double highest = 0.0;
  for (pugi::xml_node stop = element.node.first_child(); stop; stop = stop.next_sibling()) {
    if (stop.type() != pugi::node_element || LocalName(stop.name()) != "stop") continue;
    if (stops.size() >= kMaxInterchangeStops) {
      return "gradient '" + element.name + "' has more than " +
             std::to_string(kMaxInterchangeStops) + " stops";
    }
    const std::string offsetText(TrimCss(stop.attribute("offset").value()));
    std::optional<double> offset = offsetText.empty() ? 0.0 : Fraction(offsetText);
    if (!offset) {
      element.notes.push_back("SVG stop offset '" + offsetText + "' not understood; 0 used");
      offset = 0.0;
    }
    highest = std::max(highest, Clamp01(*offset));

    std::string colorText = Property(stop, "stop-color");
    if (EqualsIgnoringCase(colorText, "currentcolor")) colorText = CurrentColor(stop);
    std::optional<SourceColor> color = ParseCssColor(colorText.empty() ? "black" : colorText);
    if (!color) {
      element.notes.push_back("SVG stop-color '" + colorText + "' not understood; black used");
      color = SourceColor{0.0, 0.0, 0.0, 1.0};
    }
    const std::string opacityText = Property(stop, "stop-opacity");
    std::optional<double> opacity = opacityText.empty() ? 1.0 : Fraction(opacityText);
    if (!opacity) {
      element.notes.push_back("SVG stop-opacity '" + opacityText + "' not understood; 1 used");
      opacity = 1.0;
    }
    color->alpha *= Clamp01(*opacity);
    stops.push_back(RampStop{highest, *color, 0.5});
  }
  if (!stops.empty()) element.ownStops = std::make_shared<const std::vector<RampStop>>(stops);
  return "";
}

// "href" over the older "xlink:href"; empty when neither is given.
std::string_view Href(const Element& element) {
  std::string_view href;
  for (pugi::xml_attribute a = element.node.first_attribute(); a; a = a.next_attribute()) {
    const std::string_view name = a.name();
    if (name == "href" || (href.empty() && LocalName(name) == "href")) href = a.value();
  }
  return TrimCss(href);
}

// The stops a gradient paints with: its own, or those at the end of its href
// chain, which is cut at a loop or after kMaxInterchangeNesting steps.
Stops ResolveStops(const std::vector<Element>& elements,
                   const std::unordered_map<std::string, size_t>& byId, size_t index,
                   std::vector<std::string>& notes, std::string& skipped) {
  std::unordered_set<size_t> visited{index};
  size_t current = index;
  for (int hops = 0; !elements[current].ownStops; ++hops) {
    const std::string_view href = Href(elements[current]);
    if (href.empty()) {
      skipped = "has no stops";
      return nullptr;
    }
    if (href[0] != '#') {
      skipped = "has no stops and its href '" + std::string(href) + "' leads outside the file";
      return nullptr;
    }
    if (hops == kMaxInterchangeNesting) {
      skipped = "has no stops within " + std::to_string(kMaxInterchangeNesting) + " href steps";
      return nullptr;
    }
    const std::string target(href.substr(1));
    const auto found = byId.find(target);
    if (found == byId.end()) {
      skipped = "has no stops and its href '#" + target + "' names no gradient";
      return nullptr;
    }
    if (!visited.insert(found->second).second) {
      skipped = "has no stops and its href chain loops back at '" + target + "'";
      return nullptr;
    }
    current = found->second;
  }
  if (current != index) {
    notes.push_back("SVG stops taken from '" + elements[current].name + "'");
    notes.insert(notes.end(), elements[current].notes.begin(), elements[current].notes.end());
  }
  return elements[current].ownStops;
}

// Every gradient element in document order, walked without recursion.
std::vector<Element> GradientElements(const pugi::xml_document& document) {
  std::vector<Element> elements;
  pugi::xml_node node = document.first_child();
  while (node) {
    if (node.type() == pugi::node_element) {
      const std::string_view local = LocalName(node.name());
      if (local == "linearGradient" || local == "radialGradient") {
        Element element;
        element.node = node;
        // Names are UTF-8, whatever bytes a malformed file holds.
        element.name = ValidUtf8(node.attribute("id").value());
        if (element.name.empty()) element.name = "gradient " + std::to_string(elements.size() + 1);
        if (local == "radialGradient") {
          element.notes.push_back("SVG radial gradient read from its focal point outwards");
        }
        elements.push_back(std::move(element));
      }
    }
    if (node.first_child()) {
      node = node.first_child();
      continue;
    }
    while (node && !node.next_sibling()) node = node.parent();
    if (node) node = node.next_sibling();
  }
  return elements;
}

SourceGradient MakeGradient(const Element& element, Stops stops, std::vector<std::string> notes) {
  SourceGradient gradient;
  gradient.name = element.name;
  gradient.notes = element.notes;
  gradient.notes.insert(gradient.notes.end(), notes.begin(), notes.end());
  for (size_t i = 0; i < stops->size(); ++i) {
    const double p = (*stops)[i].position;
    if ((i == 0 || p != (*stops)[i - 1].position) && RampJumpsAt(*stops, StopBlend::Straight, p)) {
      gradient.hardEdges.push_back(p);
    }
  }
  gradient.colorAt = [stops](double position) {
    const double p = std::isnan(position) ? 0.0 : Clamp01(position);
    return RampColorAt(*stops, StopBlend::Straight, p, RampSide::Right);
  };
  return gradient;
}

std::string SafeId(std::string_view id) {
  std::string safe;
  for (char c : id) {
    const bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '_' || c == '-' || c == '.';
    safe += keep ? c : '_';
  }
  if (safe.empty()) return "gradient";
  const char first = safe[0];
  if (!((first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z') || first == '_')) {
    safe.insert(safe.begin(), '_');
  }
  return safe;
}

// "#rrggbb" for whole bytes, else percentages precise to 1e-8.
std::string SvgColor(const SourceColor& color) {
  const SourceColor opaque{color.red, color.green, color.blue, 1.0};
  const std::string css = FormatCssColor(opaque);
  if (css[0] == '#') return css;
  return "rgb(" + FormatCssNumber(Clamp01(color.red) * 100.0, 6) + "%, " +
         FormatCssNumber(Clamp01(color.green) * 100.0, 6) + "%, " +
         FormatCssNumber(Clamp01(color.blue) * 100.0, 6) + "%)";
}

struct StringWriter : pugi::xml_writer {
  std::string text;
  void write(const void* data, size_t size) override {
    text.append(static_cast<const char*>(data), size);
  }
};

}  // namespace

ReadResult ReadSvgGradients(std::string_view bytes) {
  if (bytes.size() > kMaxInterchangeBytes) return ReadFailure(kFormat, TooLargeText());
  pugi::xml_document document;
  const pugi::xml_parse_result parsed =
      document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_auto);
  if (!parsed) {
    return ReadFailure(kFormat, std::string("malformed XML: ") + parsed.description() +
                                    " at byte " + std::to_string(parsed.offset));
  }
  std::vector<Element> elements = GradientElements(document);
  if (elements.empty()) return ReadFailure(kFormat, "no <linearGradient> or <radialGradient>");
  std::unordered_map<std::string, size_t> byId;
  for (size_t i = 0; i < elements.size(); ++i) {
    const std::string error = ReadOwnStops(elements[i]);
    if (!error.empty()) return ReadFailure(kFormat, error);
    const std::string id = elements[i].node.attribute("id").value();
    if (!id.empty()) byId.emplace(id, i);  // the first of a repeated id counts
  }

  ReadResult result;
  std::vector<std::string> skips;
  size_t totalStops = 0;
  for (size_t i = 0; i < elements.size(); ++i) {
    std::vector<std::string> notes;
    std::string skipped;
    Stops stops = ResolveStops(elements, byId, i, notes, skipped);
    if (!stops) {
      skips.push_back("SVG gradient '" + elements[i].name + "' " + skipped +
                      ", so it paints nothing; skipped");
      continue;
    }
    totalStops += stops->size();
    if (totalStops > kMaxStopsPerFile) {
      return ReadFailure(kFormat, "more than " + std::to_string(kMaxStopsPerFile) +
                                      " stops in all gradients together");
    }
    result.gradients.push_back(MakeGradient(elements[i], std::move(stops), std::move(notes)));
  }
  if (result.gradients.empty()) {
    return ReadFailure(kFormat, "no gradient has stops (" + skips.front() + ")");
  }
  for (SourceGradient& gradient : result.gradients) {
    gradient.notes.insert(gradient.notes.end(), skips.begin(), skips.end());
  }
  return result;
}

std::string WriteSvgGradient(const std::vector<LinearStop>& stops, std::string_view id) {
  const std::string safeId = SafeId(id);
  pugi::xml_document document;
  pugi::xml_node svg = document.append_child("svg");
  svg.append_attribute("xmlns") = "http://www.w3.org/2000/svg";
  svg.append_attribute("width") = "256";
  svg.append_attribute("height") = "32";
  svg.append_attribute("viewBox") = "0 0 256 32";
  pugi::xml_node gradient = svg.append_child("defs").append_child("linearGradient");
  gradient.append_attribute("id") = safeId.c_str();
  double previous = 0.0;
  for (const LinearStop& stop : stops) {
    double p = std::isnan(stop.position) ? 0.0 : Clamp01(stop.position);
    previous = p = std::max(p, previous);
    pugi::xml_node node = gradient.append_child("stop");
    node.append_attribute("offset") = FormatCssNumber(p, 8).c_str();
    node.append_attribute("stop-color") = SvgColor(stop.color).c_str();
    const double opacity = std::isnan(stop.color.alpha) ? 1.0 : Clamp01(stop.color.alpha);
    if (opacity < 1.0) {
      node.append_attribute("stop-opacity") = FormatCssNumber(opacity, 8).c_str();
    }
  }
  pugi::xml_node rect = svg.append_child("rect");
  rect.append_attribute("width") = "256";
  rect.append_attribute("height") = "32";
  rect.append_attribute("fill") = ("url(#" + safeId + ")").c_str();
  StringWriter writer;
  document.save(writer, "  ", pugi::format_default, pugi::encoding_utf8);
  return writer.text;
}
