// Test support: 8BGR version 5 gradient files built from a short
// description, for the reader's tests and the fuzz target's seeds. Each
// value builder returns its 4-byte type followed by the value.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace grd8 {

inline std::string U32(uint32_t value) {
  std::string out;
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>(value >> shift & 0xFF);
  return out;
}

inline std::string U16(uint16_t value) {
  return {static_cast<char>(value >> 8), static_cast<char>(value & 0xFF)};
}

// Four-byte keys in the short form, others with their length.
inline std::string Key(std::string_view key) {
  return (key.size() == 4 ? U32(0) : U32(static_cast<uint32_t>(key.size()))) + std::string(key);
}

// As the editor writes them: with a terminating zero unit.
inline std::string Unicode(std::u16string_view text) {
  std::string out = U32(static_cast<uint32_t>(text.size() + 1));
  for (const char16_t unit : text) out += U16(unit);
  return out + U16(0);
}

inline std::string Doub(double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return "doub" + U32(static_cast<uint32_t>(bits >> 32)) + U32(static_cast<uint32_t>(bits));
}
inline std::string Long(int32_t value) { return "long" + U32(static_cast<uint32_t>(value)); }
inline std::string UntF(std::string_view unit, double value) {
  return "UntF" + std::string(unit) + Doub(value).substr(4);
}
inline std::string Text(std::u16string_view text) { return "TEXT" + Unicode(text); }
inline std::string Enum(std::string_view type, std::string_view value) {
  return "enum" + Key(type) + Key(value);
}
inline std::string Bool(bool value) { return "bool" + std::string(1, value ? '\1' : '\0'); }
inline std::string Tdta(std::string_view bytes) {
  return "tdta" + U32(static_cast<uint32_t>(bytes.size())) + std::string(bytes);
}

inline std::string Item(std::string_view key, const std::string& value) { return Key(key) + value; }

// A descriptor without the type, as the file's top level holds it.
inline std::string Descriptor(std::string_view classId, const std::vector<std::string>& items) {
  std::string out = Unicode(u"") + Key(classId) + U32(static_cast<uint32_t>(items.size()));
  for (const std::string& item : items) out += item;
  return out;
}
inline std::string Objc(std::string_view classId, const std::vector<std::string>& items) {
  return "Objc" + Descriptor(classId, items);
}
inline std::string VlLs(const std::vector<std::string>& values) {
  std::string out = "VlLs" + U32(static_cast<uint32_t>(values.size()));
  for (const std::string& value : values) out += value;
  return out;
}

inline std::string File(const std::string& descriptor, uint16_t version = 5) {
  return "8BGR" + U16(version) + U32(16) + descriptor;
}

inline std::string Rgb(double red, double green, double blue) {
  return Objc("RGBC",
              {Item("Rd  ", Doub(red)), Item("Grn ", Doub(green)), Item("Bl  ", Doub(blue))});
}

struct ColorStop {
  std::string color;  // a typed colour value (Objc); unused by FrgC and BckC
  int32_t location = 0;
  int32_t midpoint = 50;
  std::string type = "UsrS";
};

struct OpacityStop {
  double percent = 100.0;
  int32_t location = 0;
  int32_t midpoint = 50;
};

struct Gradient {
  std::u16string name;
  std::vector<ColorStop> colors;
  std::vector<OpacityStop> opacities;
  std::string form = "CstS";  // ClNs: a noise gradient, written with its own items
  double smoothness = 4096.0;
};

inline std::string GradientValue(const Gradient& gradient) {
  std::vector<std::string> items = {Item("Nm  ", Text(gradient.name)),
                                    Item("GrdF", Enum("GrdF", gradient.form))};
  if (gradient.form == "ClNs") {
    items.push_back(Item("ShTr", Bool(false)));
    items.push_back(Item("VctC", Bool(true)));
    items.push_back(Item("RndS", Long(12345)));
    items.push_back(Item("Smth", Long(2048)));
    items.push_back(Item("Mnm ", VlLs({Long(0), Long(0), Long(0), Long(0)})));
    items.push_back(Item("Mxm ", VlLs({Long(100), Long(100), Long(100), Long(100)})));
    return Objc("Grdn", items);
  }
  items.push_back(Item("Intr", Doub(gradient.smoothness)));
  std::vector<std::string> colors;
  for (const ColorStop& stop : gradient.colors) {
    std::vector<std::string> stopItems;
    if (!stop.color.empty()) stopItems.push_back(Item("Clr ", stop.color));
    stopItems.push_back(Item("Type", Enum("Clry", stop.type)));
    stopItems.push_back(Item("Lctn", Long(stop.location)));
    stopItems.push_back(Item("Mdpn", Long(stop.midpoint)));
    colors.push_back(Objc("Clrt", stopItems));
  }
  items.push_back(Item("Clrs", VlLs(colors)));
  if (!gradient.opacities.empty()) {
    std::vector<std::string> opacities;
    for (const OpacityStop& stop : gradient.opacities) {
      opacities.push_back(
          Objc("TrnS", {Item("Opct", UntF("#Prc", stop.percent)), Item("Lctn", Long(stop.location)),
                        Item("Mdpn", Long(stop.midpoint))}));
    }
    items.push_back(Item("Trns", VlLs(opacities)));
  }
  return Objc("Grdn", items);
}

inline std::string Pack(const std::vector<Gradient>& gradients) {
  std::vector<std::string> list;
  for (const Gradient& gradient : gradients) {
    list.push_back(Objc("Grdn", {Item("Grad", GradientValue(gradient))}));
  }
  return File(Descriptor("null", {Item("GrdL", VlLs(list))}));
}

}  // namespace grd8
