#include "interchange/action_descriptor.h"

#include <cstdint>
#include <cstring>

#include "interchange/source_gradient.h"

namespace {

// The fewest bytes an item can take (a 1-byte long key, a type and a bool),
// and a list entry (a type and a bool): counts are checked against these
// before anything is read.
constexpr size_t kMinItemBytes = 4 + 1 + 4 + 1;
constexpr size_t kMinListValueBytes = 4 + 1;

void AppendUtf8(std::string& out, uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | code >> 6);
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | code >> 12);
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | code >> 18);
    out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

constexpr uint32_t kReplacement = 0xFFFD;

// Pairs surrogates; a lone one becomes U+FFFD.
std::string Utf16ToUtf8(const std::vector<uint16_t>& units) {
  std::string out;
  for (size_t i = 0; i < units.size(); ++i) {
    const uint32_t unit = units[i];
    if (unit >= 0xD800 && unit < 0xDC00) {
      if (i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
        AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00));
        ++i;
      } else {
        AppendUtf8(out, kReplacement);
      }
    } else if (unit >= 0xDC00 && unit < 0xE000) {
      AppendUtf8(out, kReplacement);
    } else {
      AppendUtf8(out, unit);
    }
  }
  return out;
}

class Parser {
 public:
  explicit Parser(std::string_view bytes) : bytes_(bytes) {}

  size_t at() const { return at_; }
  void Seek(size_t offset) { at_ = offset; }
  const std::string& error() const { return error_; }

  bool ParseDescriptor(Descriptor& out, int depth) {
    if (depth > kMaxInterchangeNesting) {
      return Fail("descriptors nest more than " + std::to_string(kMaxInterchangeNesting) +
                  " levels deep");
    }
    uint32_t count = 0;
    if (!UnicodeString(out.name) || !Key(out.classId) || !U32(count)) return false;
    if (count > Left() / kMinItemBytes) {
      return Fail("a descriptor claims " + std::to_string(count) + " items, more than the " +
                  std::to_string(Left()) + " bytes left can hold");
    }
    for (uint32_t i = 0; i < count; ++i) {
      DescriptorItem item;
      std::string type;
      if (!Key(item.key) || !Code(type) || !Value(type, item.value, depth)) return false;
      out.items.push_back(std::move(item));
    }
    return true;
  }

 private:
  size_t Left() const { return bytes_.size() - at_; }

  bool Fail(const std::string& what) {
    if (error_.empty()) error_ = what + " (at byte " + std::to_string(at_) + ")";
    return false;
  }

  bool Need(size_t count) {
    if (count <= Left()) return true;
    return Fail("the file ends early: " + std::to_string(count) + " bytes needed, " +
                std::to_string(Left()) + " left");
  }

  uint8_t Byte(size_t offset) const { return static_cast<uint8_t>(bytes_[offset]); }

  bool U32(uint32_t& out) {
    if (!Need(4)) return false;
    out = static_cast<uint32_t>(Byte(at_)) << 24 | static_cast<uint32_t>(Byte(at_ + 1)) << 16 |
          static_cast<uint32_t>(Byte(at_ + 2)) << 8 | static_cast<uint32_t>(Byte(at_ + 3));
    at_ += 4;
    return true;
  }

  bool F64(double& out) {
    if (!Need(8)) return false;
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits = bits << 8 | Byte(at_ + i);
    std::memcpy(&out, &bits, sizeof out);
    at_ += 8;
    return true;
  }

  bool Bytes(size_t count, std::string& out) {
    if (!Need(count)) return false;
    out.assign(bytes_.substr(at_, count));
    at_ += count;
    return true;
  }

  bool Code(std::string& out) { return Bytes(4, out); }

  // A uint32 length, then that many bytes; 0 means a 4-byte key follows.
  bool Key(std::string& out) {
    uint32_t length = 0;
    if (!U32(length)) return false;
    return Bytes(length == 0 ? 4 : length, out);
  }

  // A uint32 count of UTF-16BE units; the terminating zero units the editor
  // writes are dropped.
  bool UnicodeString(std::string& out) {
    uint32_t count = 0;
    if (!U32(count)) return false;
    if (count > Left() / 2) {
      return Fail("a text claims " + std::to_string(count) + " characters, more than the " +
                  std::to_string(Left()) + " bytes left can hold");
    }
    std::vector<uint16_t> units(count);
    for (uint32_t i = 0; i < count; ++i, at_ += 2) {
      units[i] = static_cast<uint16_t>(Byte(at_) << 8 | Byte(at_ + 1));
    }
    while (!units.empty() && units.back() == 0) units.pop_back();
    out = Utf16ToUtf8(units);
    return true;
  }

  bool CountValue() {
    if (++values_ <= kMaxDescriptorValues) return true;
    return Fail("more than " + std::to_string(kMaxDescriptorValues) + " values");
  }

  bool Value(const std::string& type, DescriptorValue& out, int depth) {
    if (!CountValue()) return false;
    if (type == "Objc") {
      out.type = DescriptorType::Object;
      out.object.emplace_back();
      return ParseDescriptor(out.object.back(), depth + 1);
    }
    if (type == "VlLs") {
      out.type = DescriptorType::List;
      if (depth + 1 > kMaxInterchangeNesting) {
        return Fail("lists nest more than " + std::to_string(kMaxInterchangeNesting) +
                    " levels deep");
      }
      uint32_t count = 0;
      if (!U32(count)) return false;
      if (count > Left() / kMinListValueBytes) {
        return Fail("a list claims " + std::to_string(count) + " values, more than the " +
                    std::to_string(Left()) + " bytes left can hold");
      }
      for (uint32_t i = 0; i < count; ++i) {
        DescriptorValue value;
        std::string valueType;
        if (!Code(valueType) || !Value(valueType, value, depth + 1)) return false;
        out.list.push_back(std::move(value));
      }
      return true;
    }
    if (type == "doub") {
      out.type = DescriptorType::Double;
      return F64(out.number);
    }
    if (type == "UntF") {
      out.type = DescriptorType::UnitDouble;
      return Code(out.unit) && F64(out.number);
    }
    if (type == "TEXT") {
      out.type = DescriptorType::Text;
      return UnicodeString(out.text);
    }
    if (type == "enum") {
      out.type = DescriptorType::Enumerated;
      return Key(out.unit) && Key(out.text);
    }
    if (type == "long") {
      out.type = DescriptorType::Integer;
      uint32_t bits = 0;
      if (!U32(bits)) return false;
      out.number = static_cast<int32_t>(bits);
      return true;
    }
    if (type == "bool") {
      out.type = DescriptorType::Boolean;
      if (!Need(1)) return false;
      out.number = Byte(at_++) != 0 ? 1.0 : 0.0;
      return true;
    }
    if (type == "tdta") {
      out.type = DescriptorType::RawData;
      uint32_t length = 0;
      return U32(length) && Bytes(length, out.text);
    }
    at_ -= 4;  // the message points at the type itself
    return Fail("a value of unknown type " + QuotedKey(type));
  }

  std::string_view bytes_;
  size_t at_ = 0;
  size_t values_ = 0;
  std::string error_;
};

}  // namespace

DescriptorParse ParseDescriptor(std::string_view bytes, size_t offset) {
  DescriptorParse result;
  Parser parser(bytes);
  parser.Seek(offset <= bytes.size() ? offset : bytes.size());
  if (parser.ParseDescriptor(result.descriptor, 1)) {
    result.end = parser.at();
  } else {
    result.descriptor = Descriptor{};
    result.error = parser.error();
  }
  return result;
}

const DescriptorValue* FindItem(const Descriptor& descriptor, std::string_view key) {
  for (const DescriptorItem& item : descriptor.items) {
    if (item.key == key) return &item.value;
  }
  return nullptr;
}

const Descriptor* FindObject(const Descriptor& descriptor, std::string_view key) {
  const DescriptorValue* value = FindItem(descriptor, key);
  if (value == nullptr || value->type != DescriptorType::Object) return nullptr;
  return &value->object.front();
}

std::optional<double> NumberOf(const DescriptorValue& value) {
  switch (value.type) {
    case DescriptorType::Double:
    case DescriptorType::UnitDouble:
    case DescriptorType::Integer:
      return value.number;
    default:
      return std::nullopt;
  }
}

std::string QuotedKey(std::string_view key) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out = "'";
  for (const char c : key) {
    const auto byte = static_cast<uint8_t>(c);
    if (byte >= 0x20 && byte < 0x7F && c != '\\' && c != '\'') {
      out += c;
    } else {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    }
  }
  return out + "'";
}
