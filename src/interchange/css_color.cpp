#include "interchange/css_color.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "interchange/css_syntax.h"

namespace {

struct NamedColor {
  const char* name;
  uint32_t rgb;
};

// The 148 named colours, grey and gray spellings both.
constexpr NamedColor kNamedColors[] = {
    {"aliceblue", 0xf0f8ff},
    {"antiquewhite", 0xfaebd7},
    {"aqua", 0x00ffff},
    {"aquamarine", 0x7fffd4},
    {"azure", 0xf0ffff},
    {"beige", 0xf5f5dc},
    {"bisque", 0xffe4c4},
    {"black", 0x000000},
    {"blanchedalmond", 0xffebcd},
    {"blue", 0x0000ff},
    {"blueviolet", 0x8a2be2},
    {"brown", 0xa52a2a},
    {"burlywood", 0xdeb887},
    {"cadetblue", 0x5f9ea0},
    {"chartreuse", 0x7fff00},
    {"chocolate", 0xd2691e},
    {"coral", 0xff7f50},
    {"cornflowerblue", 0x6495ed},
    {"cornsilk", 0xfff8dc},
    {"crimson", 0xdc143c},
    {"cyan", 0x00ffff},
    {"darkblue", 0x00008b},
    {"darkcyan", 0x008b8b},
    {"darkgoldenrod", 0xb8860b},
    {"darkgray", 0xa9a9a9},
    {"darkgreen", 0x006400},
    {"darkgrey", 0xa9a9a9},
    {"darkkhaki", 0xbdb76b},
    {"darkmagenta", 0x8b008b},
    {"darkolivegreen", 0x556b2f},
    {"darkorange", 0xff8c00},
    {"darkorchid", 0x9932cc},
    {"darkred", 0x8b0000},
    {"darksalmon", 0xe9967a},
    {"darkseagreen", 0x8fbc8f},
    {"darkslateblue", 0x483d8b},
    {"darkslategray", 0x2f4f4f},
    {"darkslategrey", 0x2f4f4f},
    {"darkturquoise", 0x00ced1},
    {"darkviolet", 0x9400d3},
    {"deeppink", 0xff1493},
    {"deepskyblue", 0x00bfff},
    {"dimgray", 0x696969},
    {"dimgrey", 0x696969},
    {"dodgerblue", 0x1e90ff},
    {"firebrick", 0xb22222},
    {"floralwhite", 0xfffaf0},
    {"forestgreen", 0x228b22},
    {"fuchsia", 0xff00ff},
    {"gainsboro", 0xdcdcdc},
    {"ghostwhite", 0xf8f8ff},
    {"gold", 0xffd700},
    {"goldenrod", 0xdaa520},
    {"gray", 0x808080},
    {"green", 0x008000},
    {"greenyellow", 0xadff2f},
    {"grey", 0x808080},
    {"honeydew", 0xf0fff0},
    {"hotpink", 0xff69b4},
    {"indianred", 0xcd5c5c},
    {"indigo", 0x4b0082},
    {"ivory", 0xfffff0},
    {"khaki", 0xf0e68c},
    {"lavender", 0xe6e6fa},
    {"lavenderblush", 0xfff0f5},
    {"lawngreen", 0x7cfc00},
    {"lemonchiffon", 0xfffacd},
    {"lightblue", 0xadd8e6},
    {"lightcoral", 0xf08080},
    {"lightcyan", 0xe0ffff},
    {"lightgoldenrodyellow", 0xfafad2},
    {"lightgray", 0xd3d3d3},
    {"lightgreen", 0x90ee90},
    {"lightgrey", 0xd3d3d3},
    {"lightpink", 0xffb6c1},
    {"lightsalmon", 0xffa07a},
    {"lightseagreen", 0x20b2aa},
    {"lightskyblue", 0x87cefa},
    {"lightslategray", 0x778899},
    {"lightslategrey", 0x778899},
    {"lightsteelblue", 0xb0c4de},
    {"lightyellow", 0xffffe0},
    {"lime", 0x00ff00},
    {"limegreen", 0x32cd32},
    {"linen", 0xfaf0e6},
    {"magenta", 0xff00ff},
    {"maroon", 0x800000},
    {"mediumaquamarine", 0x66cdaa},
    {"mediumblue", 0x0000cd},
    {"mediumorchid", 0xba55d3},
    {"mediumpurple", 0x9370db},
    {"mediumseagreen", 0x3cb371},
    {"mediumslateblue", 0x7b68ee},
    {"mediumspringgreen", 0x00fa9a},
    {"mediumturquoise", 0x48d1cc},
    {"mediumvioletred", 0xc71585},
    {"midnightblue", 0x191970},
    {"mintcream", 0xf5fffa},
    {"mistyrose", 0xffe4e1},
    {"moccasin", 0xffe4b5},
    {"navajowhite", 0xffdead},
    {"navy", 0x000080},
    {"oldlace", 0xfdf5e6},
    {"olive", 0x808000},
    {"olivedrab", 0x6b8e23},
    {"orange", 0xffa500},
    {"orangered", 0xff4500},
    {"orchid", 0xda70d6},
    {"palegoldenrod", 0xeee8aa},
    {"palegreen", 0x98fb98},
    {"paleturquoise", 0xafeeee},
    {"palevioletred", 0xdb7093},
    {"papayawhip", 0xffefd5},
    {"peachpuff", 0xffdab9},
    {"peru", 0xcd853f},
    {"pink", 0xffc0cb},
    {"plum", 0xdda0dd},
    {"powderblue", 0xb0e0e6},
    {"purple", 0x800080},
    {"rebeccapurple", 0x663399},
    {"red", 0xff0000},
    {"rosybrown", 0xbc8f8f},
    {"royalblue", 0x4169e1},
    {"saddlebrown", 0x8b4513},
    {"salmon", 0xfa8072},
    {"sandybrown", 0xf4a460},
    {"seagreen", 0x2e8b57},
    {"seashell", 0xfff5ee},
    {"sienna", 0xa0522d},
    {"silver", 0xc0c0c0},
    {"skyblue", 0x87ceeb},
    {"slateblue", 0x6a5acd},
    {"slategray", 0x708090},
    {"slategrey", 0x708090},
    {"snow", 0xfffafa},
    {"springgreen", 0x00ff7f},
    {"steelblue", 0x4682b4},
    {"tan", 0xd2b48c},
    {"teal", 0x008080},
    {"thistle", 0xd8bfd8},
    {"tomato", 0xff6347},
    {"turquoise", 0x40e0d0},
    {"violet", 0xee82ee},
    {"wheat", 0xf5deb3},
    {"white", 0xffffff},
    {"whitesmoke", 0xf5f5f5},
    {"yellow", 0xffff00},
    {"yellowgreen", 0x9acd32},
};

constexpr double kPi = 3.14159265358979323846;

double Clamp01(double v) { return std::min(1.0, std::max(0.0, v)); }

SourceColor FromPacked(uint32_t rgb, double alpha) {
  return SourceColor{((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0,
                     (rgb & 0xFF) / 255.0, alpha};
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<SourceColor> ParseHex(std::string_view digits) {
  const size_t n = digits.size();
  if (n != 3 && n != 4 && n != 6 && n != 8) return std::nullopt;
  int values[8];
  for (size_t i = 0; i < n; ++i) {
    if ((values[i] = HexDigit(digits[i])) < 0) return std::nullopt;
  }
  double channels[4] = {0.0, 0.0, 0.0, 1.0};
  const bool shortForm = n <= 4;
  for (size_t c = 0; c < (shortForm ? n : n / 2); ++c) {
    const int byte = shortForm ? values[c] * 17 : values[2 * c] * 16 + values[2 * c + 1];
    channels[c] = byte / 255.0;
  }
  return SourceColor{channels[0], channels[1], channels[2], channels[3]};
}

// One component inside a colour function: a number, a percentage, an angle,
// `none`, or the separators "," and "/".
struct Component {
  enum Kind { Number, Percentage, Angle, None, Comma, Slash } kind;
  double value = 0.0;  // angles in degrees, percentages as written
};

std::optional<std::vector<Component>> Tokenize(std::string_view args) {
  std::vector<Component> components;
  size_t i = 0;
  while (i < args.size()) {
    const char c = args[i];
    if (IsCssSpace(c)) {
      ++i;
    } else if (c == ',' || c == '/') {
      components.push_back({c == ',' ? Component::Comma : Component::Slash});
      ++i;
    } else {
      size_t end = i;
      while (end < args.size() && !IsCssSpace(args[end]) && args[end] != ',' && args[end] != '/') {
        ++end;
      }
      const std::string_view word = args.substr(i, end - i);
      i = end;
      if (EqualsIgnoringCase(word, "none")) {
        components.push_back({Component::None});
        continue;
      }
      const std::optional<CssDimension> d = ParseCssDimension(word);
      if (!d) return std::nullopt;
      if (d->unit.empty()) {
        components.push_back({Component::Number, d->value});
      } else if (d->unit == "%") {
        components.push_back({Component::Percentage, d->value});
      } else if (d->unit == "deg" || d->unit == "rad" || d->unit == "grad" || d->unit == "turn") {
        const double degrees = d->unit == "deg"    ? d->value
                               : d->unit == "rad"  ? d->value * 180.0 / kPi
                               : d->unit == "grad" ? d->value * 0.9
                                                   : d->value * 360.0;
        components.push_back({Component::Angle, degrees});
      } else {
        return std::nullopt;
      }
    }
  }
  return components;
}

// The three channel components and the alpha, whichever syntax was used.
struct Arguments {
  Component values[3];
  std::optional<Component> alpha;
  bool legacy = false;
};

std::optional<Arguments> SplitArguments(const std::vector<Component>& c) {
  Arguments a;
  const bool commas = c.size() >= 2 && c[1].kind == Component::Comma;
  const size_t step = commas ? 2 : 1;
  auto isValue = [](const Component& x) {
    return x.kind != Component::Comma && x.kind != Component::Slash;
  };
  if (c.size() < 2 * step + 1) return std::nullopt;
  for (size_t i = 0; i < 3; ++i) {
    if (!isValue(c[i * step])) return std::nullopt;
    a.values[i] = c[i * step];
    if (commas && i < 2 && c[i * step + 1].kind != Component::Comma) return std::nullopt;
  }
  const size_t rest = 2 * step + 1;
  if (c.size() == rest + 2 && c[rest].kind == (commas ? Component::Comma : Component::Slash) &&
      isValue(c[rest + 1])) {
    a.alpha = c[rest + 1];
  } else if (c.size() != rest) {
    return std::nullopt;
  }
  a.legacy = commas;
  if (a.legacy) {
    for (const Component& v : a.values) {
      if (v.kind == Component::None) return std::nullopt;
    }
    if (a.alpha && a.alpha->kind == Component::None) return std::nullopt;
  }
  return a;
}

// A channel as a fraction of its full range; `none` is zero.
std::optional<double> Fraction(const Component& c, double numberScale) {
  switch (c.kind) {
    case Component::Number:
      return c.value / numberScale;
    case Component::Percentage:
      return c.value / 100.0;
    case Component::None:
      return 0.0;
    default:
      return std::nullopt;
  }
}

std::optional<double> Alpha(const std::optional<Component>& c) {
  if (!c) return 1.0;
  const std::optional<double> alpha = Fraction(*c, 1.0);
  if (!alpha) return std::nullopt;
  return Clamp01(*alpha);
}

std::optional<double> Hue(const Component& c) {
  if (c.kind == Component::None) return 0.0;
  if (c.kind != Component::Number && c.kind != Component::Angle) return std::nullopt;
  double hue = std::fmod(c.value, 360.0);
  if (hue < 0.0) hue += 360.0;
  return hue;
}

void HslToRgb(double hue, double saturation, double lightness, double rgb[3]) {
  const int offsets[3] = {0, 8, 4};
  for (int i = 0; i < 3; ++i) {
    const double k = std::fmod(offsets[i] + hue / 30.0, 12.0);
    const double a = saturation * std::min(lightness, 1.0 - lightness);
    rgb[i] = lightness - a * std::max(-1.0, std::min({k - 3.0, 9.0 - k, 1.0}));
  }
}

std::optional<SourceColor> Rgb(const Arguments& a) {
  if (a.legacy && a.values[0].kind != a.values[1].kind) return std::nullopt;
  if (a.legacy && a.values[1].kind != a.values[2].kind) return std::nullopt;
  double rgb[3];
  for (int i = 0; i < 3; ++i) {
    const std::optional<double> f = Fraction(a.values[i], 255.0);
    if (!f) return std::nullopt;
    rgb[i] = Clamp01(*f);
  }
  const std::optional<double> alpha = Alpha(a.alpha);
  if (!alpha) return std::nullopt;
  return SourceColor{rgb[0], rgb[1], rgb[2], *alpha};
}

// Saturation, lightness, whiteness and blackness: percentages, or in the
// space syntax also plain numbers meaning the same.
std::optional<double> Share(const Component& c, bool legacy) {
  if (legacy && c.kind != Component::Percentage) return std::nullopt;
  const std::optional<double> f = Fraction(c, 100.0);
  if (!f) return std::nullopt;
  return Clamp01(*f);
}

std::optional<SourceColor> Hsl(const Arguments& a) {
  const std::optional<double> hue = Hue(a.values[0]);
  const std::optional<double> s = Share(a.values[1], a.legacy);
  const std::optional<double> l = Share(a.values[2], a.legacy);
  const std::optional<double> alpha = Alpha(a.alpha);
  if (!hue || !s || !l || !alpha) return std::nullopt;
  double rgb[3];
  HslToRgb(*hue, *s, *l, rgb);
  return SourceColor{Clamp01(rgb[0]), Clamp01(rgb[1]), Clamp01(rgb[2]), *alpha};
}

std::optional<SourceColor> Hwb(const Arguments& a) {
  if (a.legacy) return std::nullopt;
  const std::optional<double> hue = Hue(a.values[0]);
  const std::optional<double> white = Share(a.values[1], false);
  const std::optional<double> black = Share(a.values[2], false);
  const std::optional<double> alpha = Alpha(a.alpha);
  if (!hue || !white || !black || !alpha) return std::nullopt;
  double rgb[3];
  if (*white + *black >= 1.0) {
    const double gray = *white / (*white + *black);
    rgb[0] = rgb[1] = rgb[2] = gray;
  } else {
    HslToRgb(*hue, 1.0, 0.5, rgb);
    for (double& channel : rgb) channel = channel * (1.0 - *white - *black) + *white;
  }
  return SourceColor{Clamp01(rgb[0]), Clamp01(rgb[1]), Clamp01(rgb[2]), *alpha};
}

}  // namespace

std::optional<SourceColor> ParseCssColor(std::string_view text) {
  if (!text.empty() && text[0] == '#') return ParseHex(text.substr(1));
  const size_t open = text.find('(');
  if (open == std::string_view::npos) {
    const std::string name = AsciiLower(text);
    if (name == "transparent") return SourceColor{0.0, 0.0, 0.0, 0.0};
    for (const NamedColor& named : kNamedColors) {
      if (name == named.name) return FromPacked(named.rgb, 1.0);
    }
    return std::nullopt;
  }
  if (text.back() != ')') return std::nullopt;
  const std::string function = AsciiLower(text.substr(0, open));
  const std::string_view inside = text.substr(open + 1, text.size() - open - 2);
  if (inside.find_first_of("()") != std::string_view::npos) return std::nullopt;
  const std::optional<std::vector<Component>> components = Tokenize(inside);
  if (!components) return std::nullopt;
  const std::optional<Arguments> arguments = SplitArguments(*components);
  if (!arguments) return std::nullopt;
  if (function == "rgb" || function == "rgba") return Rgb(*arguments);
  if (function == "hsl" || function == "hsla") return Hsl(*arguments);
  if (function == "hwb") return Hwb(*arguments);
  return std::nullopt;
}

std::string FormatCssColor(const SourceColor& color) {
  const double channels[3] = {Clamp01(color.red), Clamp01(color.green), Clamp01(color.blue)};
  const double alpha = Clamp01(color.alpha);
  bool whole = alpha == 1.0;
  // Within rounding of a byte: hex colours read back as byte / 255.
  for (double c : channels) whole = whole && std::fabs(c * 255.0 - std::round(c * 255.0)) < 1e-9;
  if (whole) {
    static const char kHex[] = "0123456789abcdef";
    std::string hex = "#";
    for (double c : channels) {
      const int byte = static_cast<int>(std::lround(c * 255.0));
      hex += kHex[byte >> 4];
      hex += kHex[byte & 15];
    }
    return hex;
  }
  std::string text = "rgba(";
  for (double c : channels) text += FormatCssNumber(c * 255.0, 3) + ", ";
  return text + FormatCssNumber(alpha, 6) + ")";
}
