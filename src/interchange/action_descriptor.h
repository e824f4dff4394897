// The serialized descriptor: the keyed tree in which a widely used raster
// editor stores its presets (gradient packs among them). Big-endian
// throughout. A descriptor is a name (UTF-16), a class ID and a list of keyed
// items; an item's value is one of a few typed forms, some of which nest.
//
// Parsing builds the whole tree or reports what was wrong: every count and
// length is checked against the bytes left before it is used, nesting is
// bounded by kMaxInterchangeNesting, and the number of values by
// kMaxDescriptorValues, so hostile input costs at most a bounded tree.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

constexpr size_t kMaxDescriptorValues = size_t{1} << 21;

enum class DescriptorType {
  Object,      // Objc
  List,        // VlLs
  Double,      // doub
  UnitDouble,  // UntF
  Text,        // TEXT
  Enumerated,  // enum
  Integer,     // long
  Boolean,     // bool
  RawData,     // tdta
};

struct DescriptorItem;
struct DescriptorValue;

struct Descriptor {
  std::string name;     // UTF-8
  std::string classId;  // a 4-byte key such as "RGBC", or a longer name
  std::vector<DescriptorItem> items;
};

struct DescriptorValue {
  DescriptorType type = DescriptorType::Boolean;
  double number = 0.0;                // Double, UnitDouble, Integer; Boolean as 0 or 1
  std::string unit;                   // UnitDouble: the unit key ("#Prc"); Enumerated: the type ID
  std::string text;                   // Text: UTF-8; Enumerated: the value key; RawData: the bytes
  std::vector<Descriptor> object;     // Object: exactly one
  std::vector<DescriptorValue> list;  // List
};

struct DescriptorItem {
  std::string key;
  DescriptorValue value;
};

struct DescriptorParse {
  Descriptor descriptor;
  size_t end = 0;     // the offset just past the descriptor
  std::string error;  // empty on success; says what was wrong and at which byte
};

// Parses the descriptor that starts at `offset` in `bytes`.
DescriptorParse ParseDescriptor(std::string_view bytes, size_t offset);

// The first item with this key, or null.
const DescriptorValue* FindItem(const Descriptor& descriptor, std::string_view key);
// The first item with this key holding a nested descriptor, or null.
const Descriptor* FindObject(const Descriptor& descriptor, std::string_view key);
// A Double, UnitDouble or Integer value; nothing for other types.
std::optional<double> NumberOf(const DescriptorValue& value);

// A key as the user may read it in a message: quoted, unprintable bytes as \xNN.
std::string QuotedKey(std::string_view key);
