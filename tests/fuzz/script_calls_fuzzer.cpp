// Programs of calls to the five script functions, made through Debian's Lua
// 5.1 the way a script makes them: Velumbra.<name>(...) from a Lua function,
// on a state with the standard libraries and the module opened through
// luaopen_Velumbra. Each input gets a fresh lua_State and the banks reset
// (bank to its defaults, scratch entries empty), so every run of an input is
// the same run.
//
// The input is a program, one call after another (at most kMaxCalls):
//   call  := function count value*      count values, the call's arguments
//   function: G Gradation, g GetGradationData, s SetGradationData,
//             i SetGradationImage, r ColorReMap_Luminance (other bytes modulo 5)
//   count: a digit 0-8 (other bytes modulo 9)
// and each value is a kind byte (other bytes choose a kind modulo their number)
// with what that kind reads:
//   n t f          nil, true, false
//   d TEXT ;       a number as strtod reads TEXT: d-9;  d1e308;  dnan;  d-0;
//   b 8 bytes      a number from its little-endian bits (any NaN payload)
//   k c            a constant of kSpecials (a digit picks 0-9)
//   s TEXT "       a string
//   u c            full userdata of exactly width x height pixels (arguments 3
//                  and 4 as the call reads them; 0 bytes beyond kMaxPixels),
//                  filled from seed c
//   U c            full userdata of c bytes, any size
//   l c            light userdata at a buffer of width x height pixels, seed c;
//                  a call whose size exceeds kMaxPixels is not made, since a
//                  light buffer's size is the caller's promise
//   z              light userdata holding a null pointer
//   T value* )     a list: the values at keys 1, 2, ... (nil leaves a hole)
//   E value value  a stop entry {value = first, point = second} (nil: absent)
//   H c            stop entries at keys 1, 2, 4, ... 2^(c mod 31) only, so its
//                  length is 2^(c mod 31) with holes from key 3 (at 2^30 Lua
//                  gives up on such a table and counts from 1: length 2)
//   M c value      the value with metatable c (when it is a table): 0 __index
//                  raises, 1 __index makes stop entries for keys up to 64,
//                  2 the same after SetGradationData(id, {}, {}) on an id read
//                  from one more byte, 3 __index is a table and __len says 1e9
//                  (which lua_objlen ignores), 4 __index raises a non-string
//   F              a C function
//   R c            the colour (c even) or transparency list of the latest
//                  successful GetGradationData, or nil before one
// Inside tables u and l give a small full or light userdata, not a buffer
// (only tables can hold them, so they never stand for the image).
//
// Each call's outcome is predicted from the documented argument rules:
// success, or the one error message it must raise (Lua's argument errors
// with the function's name, the module's own messages, Lua's indexing error
// for a list entry that is not a table). Lists behind metatables cannot be
// predicted; their calls may succeed or raise only what those metatables, an
// entry or a re-entered SetGradationData can raise. Then, per call: results
// of the documented shape; gradations unchanged by every call but
// SetGradationData, which leaves the listed stops in position order, NaN
// first (or the ones read before an error); pixels beyond width x height and pixels of a
// failed call untouched, and written pixels those of the gradation words at
// the documented positions; and the addressed gradation read, written back
// and read again bit for bit. After the program, every gradation it addressed
// once more.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <limits>
#include <lua.hpp>
#include <string>
#include <vector>

#include "fuzz_checks.h"
#include "model/banks.h"
#include "model/evaluate.h"

extern "C" int luaopen_Velumbra(lua_State* L);

namespace {

constexpr int kMaxCalls = 64;
constexpr int kMaxDepth = 4;
constexpr int kMaxEntries = 24;
constexpr int64_t kMaxPixels = 4096;
constexpr int kGeneratedEntries = 64;

enum Function { kGradation, kGet, kSet, kImage, kRemap };
const char* const kNames[] = {"Gradation", "GetGradationData", "SetGradationData",
                              "SetGradationImage", "ColorReMap_Luminance"};

const char kIdError[] = "Velumbra : Gradation ID is out of range";
const char kImageIdError[] = "Velumbra : GetGradationData over id";
const char kPointError[] = "Velumbra : Gradation point is out of range";
const char kIndexRaised[] = "fuzz: __index raised";
char errorSentinel;  // its address is the non-string error object

const double kSpecials[] = {
    std::numeric_limits<double>::quiet_NaN(),
    -std::numeric_limits<double>::quiet_NaN(),
    HUGE_VAL,
    -HUGE_VAL,
    -0.0,
    0.0,
    DBL_MAX,
    -DBL_MAX,
    DBL_MIN,
    std::numeric_limits<double>::denorm_min(),
    1e-300,
    0x1p31,
    -0x1p31,
    0x1p31 - 1,
    0x1p32 + 1,
    0x1p53,
    0x1p63,
    0x1p64,
    -0x1p63,
    1e300,
    100.0,
    100.00001,
    -1e-5,
    4.0 / 3.0,
    40.96,
    4097.0,
    51.0,
    -10.0,
    50.0,
    -9.0,
    0.5,
};

// The input, read front to back; past its end every byte reads 0.
class Program {
 public:
  Program(const uint8_t* data, size_t size) : next_(data), end_(data + size) {}
  bool Done() const { return next_ == end_; }
  uint8_t Byte() { return next_ == end_ ? 0 : *next_++; }
  bool Take(uint8_t byte) {
    if (next_ == end_ || *next_ != byte) return false;
    ++next_;
    return true;
  }
  // 0 .. n-1: a digit stands for itself, any other byte counts modulo n.
  int Choice(int n) {
    const int byte = Byte();
    return byte >= '0' && byte - '0' < n ? byte - '0' : byte % n;
  }
  // The index of the byte among `letters`, or the byte modulo their number.
  int Letter(const char* letters) {
    const int byte = Byte();
    const char* hit = byte != 0 ? std::strchr(letters, byte) : nullptr;
    return hit != nullptr ? static_cast<int>(hit - letters)
                          : byte % static_cast<int>(std::strlen(letters));
  }
  std::string Until(uint8_t stop, size_t limit) {
    std::string text;
    while (next_ != end_ && *next_ != stop && text.size() < limit)
      text += static_cast<char>(*next_++);
    Take(stop);
    return text;
  }

 private:
  const uint8_t* next_;
  const uint8_t* end_;
};

void Fatal(const char* what, const std::string& detail) {
  std::fprintf(stderr, "script_calls: %s: %s\n", what, detail.c_str());
  std::abort();
}

// --- Metamethods and values the programs place in tables. None of them holds
// a C++ object while it raises.

int NoOp(lua_State*) { return 0; }

int RaiseFromIndex(lua_State* L) { return luaL_error(L, "%s", kIndexRaised); }

int RaiseSentinel(lua_State* L) {
  lua_pushlightuserdata(L, &errorSentinel);
  return lua_error(L);
}

void PushEntry(lua_State* L, double value, double point) {
  lua_createtable(L, 0, 2);
  lua_pushnumber(L, value);
  lua_setfield(L, -2, "value");
  lua_pushnumber(L, point);
  lua_setfield(L, -2, "point");
}

// __index(table, key): an entry for keys 1..kGeneratedEntries, the fields of one.
int GenerateEntry(lua_State* L) {
  if (lua_type(L, 2) == LUA_TNUMBER) {
    const double key = lua_tonumber(L, 2);
    if (!(key >= 1 && key <= kGeneratedEntries)) return 0;
    // Points of every sort, NaN among them, in no order.
    const double point = static_cast<int>(key) % 9 == 0    ? std::nan("")
                         : static_cast<int>(key) % 13 == 0 ? -HUGE_VAL
                                                           : std::fmod(key * 7, 101);
    PushEntry(L, key * 0x030507, point);
    return 1;
  }
  const char* field = lua_tostring(L, 2);
  if (field == nullptr) return 0;
  if (std::strcmp(field, "value") == 0)
    lua_pushnumber(L, 0x123456);
  else if (std::strcmp(field, "point") == 0)
    lua_pushnumber(L, 42);
  else
    return 0;
  return 1;
}

// The IDs this input's calls addressed, index ID + 9, checked once more at its end.
bool touched[kScratchSize + kBankSize];

void Touch(lua_Integer id) {
  if (id > -kScratchSize && id <= kBankSize) touched[id + kScratchSize - 1] = true;
}

// Upvalues: the module table and an ID. Replaces that gradation while the
// caller is in the middle of reading its lists.
int ReenterAndGenerate(lua_State* L) {
  lua_getfield(L, lua_upvalueindex(1), "SetGradationData");
  lua_pushvalue(L, lua_upvalueindex(2));
  Touch(lua_tointeger(L, -1));
  lua_newtable(L);
  lua_newtable(L);
  lua_call(L, 3, 0);
  return GenerateEntry(L);
}

int HugeLength(lua_State* L) {
  lua_pushnumber(L, 1e9);
  return 1;
}

// --- The session: one lua_State per input. Fixed stack slots below every call.
constexpr int kTrampolines = 1;  // slots 1..5: function(...) return pack(Velumbra.<name>(...)) end
constexpr int kModuleSlot = 6;
constexpr int kLastColors = 7;  // the latest GetGradationData's lists
constexpr int kLastAlphas = 8;
constexpr int kBase = 8;

const char kTrampolineChunk[] =
    "local V = ...\n"
    "local function pack(...) return select('#', ...), {...} end\n"
    "return function(...) return pack(V.Gradation(...)) end,\n"
    "  function(...) return pack(V.GetGradationData(...)) end,\n"
    "  function(...) return pack(V.SetGradationData(...)) end,\n"
    "  function(...) return pack(V.SetGradationImage(...)) end,\n"
    "  function(...) return pack(V.ColorReMap_Luminance(...)) end\n";

lua_State* NewSession() {
  lua_State* L = luaL_newstate();
  FUZZ_CHECK(L != nullptr);
  luaL_openlibs(L);
  lua_pushcfunction(L, luaopen_Velumbra);
  lua_pushstring(L, "Velumbra");
  FUZZ_CHECK(lua_pcall(L, 1, 1, 0) == 0);
  FUZZ_CHECK(lua_type(L, -1) == LUA_TTABLE);
  lua_getglobal(L, "Velumbra");
  FUZZ_CHECK(lua_rawequal(L, -1, -2));
  lua_pop(L, 1);
  FUZZ_CHECK(luaL_loadbuffer(L, kTrampolineChunk, sizeof kTrampolineChunk - 1, "=calls") == 0);
  lua_pushvalue(L, -2);
  FUZZ_CHECK(lua_pcall(L, 1, 5, 0) == 0);
  lua_pushvalue(L, 1);  // the module table, from below the five functions to above them
  lua_remove(L, 1);
  lua_pushnil(L);
  lua_pushnil(L);
  FUZZ_CHECK(lua_gettop(L) == kBase);
  for (int i = 0; i < 5; ++i) FUZZ_CHECK(lua_type(L, kTrampolines + i) == LUA_TFUNCTION);
  return L;
}

// An error value as text, whatever its type.
std::string ErrorText(lua_State* L) {
  if (lua_touserdata(L, -1) == &errorSentinel) return "(the non-string error)";
  const char* text = lua_tostring(L, -1);
  return text != nullptr ? text : std::string("(a ") + luaL_typename(L, -1) + ")";
}

// Calls trampoline `function` on the `count` values on top of the stack.
// Leaves [result count, result table] on success, the error value otherwise.
int CallTrampoline(lua_State* L, Function function, int count) {
  lua_pushvalue(L, kTrampolines + function);
  lua_insert(L, -count - 1);
  return lua_pcall(L, count, 2, 0);
}

// --- Gradations as the model holds them.

bool SameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }
bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

uint32_t Packed(const ColorStop& stop) {
  return uint32_t{stop.red} << 16 | uint32_t{stop.green} << 8 | stop.blue;
}

bool SameStops(const GradationData& a, const GradationData& b) {
  if (a.colorStops.size() != b.colorStops.size() || a.alphaStops.size() != b.alphaStops.size()) {
    return false;
  }
  for (size_t i = 0; i < a.colorStops.size(); ++i) {
    const ColorStop &x = a.colorStops[i], &y = b.colorStops[i];
    if (x.serial != y.serial || !SameBits(x.position, y.position) || x.active != y.active ||
        x.red != y.red || x.green != y.green || x.blue != y.blue) {
      return false;
    }
  }
  for (size_t i = 0; i < a.alphaStops.size(); ++i) {
    const AlphaStop &x = a.alphaStops[i], &y = b.alphaStops[i];
    if (x.serial != y.serial || !SameBits(x.position, y.position) || x.active != y.active ||
        !SameBits(x.opacity, y.opacity)) {
      return false;
    }
  }
  return true;
}

// A stop as a list entry gives it: the colour's 24 bits or the opacity, and
// the position, both as the model keeps them.
struct Listed {
  uint32_t color;
  float opacity;
  float position;
};

void CheckListedStops(const std::vector<ColorStop>& stops, const std::vector<Listed>& listed) {
  FUZZ_CHECK(stops.size() == listed.size());
  for (size_t i = 0; i < stops.size(); ++i) {
    FUZZ_CHECK(Packed(stops[i]) == listed[i].color &&
               SameBits(stops[i].position, listed[i].position));
  }
}

void CheckListedStops(const std::vector<AlphaStop>& stops, const std::vector<Listed>& listed) {
  FUZZ_CHECK(stops.size() == listed.size());
  for (size_t i = 0; i < stops.size(); ++i) {
    FUZZ_CHECK(SameBits(stops[i].opacity, listed[i].opacity) &&
               SameBits(stops[i].position, listed[i].position));
  }
}

// Active and numbered by index, as every addition leaves a list.
template <typename Stop>
void CheckNumbered(const std::vector<Stop>& stops) {
  for (size_t i = 0; i < stops.size(); ++i) {
    FUZZ_CHECK(stops[i].active && stops[i].serial == static_cast<int32_t>(i));
  }
}

// The lists SetGradationData must leave from entries in table order: NaN
// positions first, then ascending position, ties in table order.
void CheckSetStops(const GradationData& gradation, std::vector<Listed> colors,
                   std::vector<Listed> alphas) {
  CheckNumbered(gradation.colorStops);
  CheckNumbered(gradation.alphaStops);
  const auto inOrder = [](const Listed& a, const Listed& b) {
    const bool aNan = std::isnan(a.position), bNan = std::isnan(b.position);
    return aNan != bNan ? aNan : a.position < b.position;
  };
  std::stable_sort(colors.begin(), colors.end(), inOrder);
  std::stable_sort(alphas.begin(), alphas.end(), inOrder);
  CheckListedStops(gradation.colorStops, colors);
  CheckListedStops(gradation.alphaStops, alphas);
}

// --- Reading lists back.

bool IsIntegral(double x, double low, double high) {
  return x >= low && x <= high && std::floor(x) == x;
}

bool ListsValue(const ColorStop& stop, double value) { return value == Packed(stop); }
bool ListsValue(const AlphaStop& stop, double value) {
  return SameBits(value, static_cast<double>(stop.opacity));
}

// A list as GetGradationData makes it: keys 1..n only, each entry a table of
// exactly "value" and "point", numbers that carry the model's stops.
template <typename Stop>
void CheckReadList(lua_State* L, int list, const std::vector<Stop>& stops) {
  FUZZ_CHECK(lua_type(L, list) == LUA_TTABLE && lua_getmetatable(L, list) == 0);
  FUZZ_CHECK(lua_objlen(L, list) == stops.size());
  size_t keys = 0;
  lua_pushnil(L);
  while (lua_next(L, list) != 0) {
    ++keys;
    FUZZ_CHECK(lua_type(L, -2) == LUA_TNUMBER);
    const double key = lua_tonumber(L, -2);
    FUZZ_CHECK(IsIntegral(key, 1, static_cast<double>(stops.size())));
    const Stop& stop = stops[static_cast<size_t>(key) - 1];
    const int entry = lua_gettop(L);
    FUZZ_CHECK(lua_type(L, entry) == LUA_TTABLE);
    int fields = 0;
    lua_pushnil(L);
    while (lua_next(L, entry) != 0) {
      ++fields;
      FUZZ_CHECK(lua_type(L, -2) == LUA_TSTRING && lua_type(L, -1) == LUA_TNUMBER);
      lua_pop(L, 1);
    }
    FUZZ_CHECK(fields == 2);
    lua_getfield(L, entry, "value");
    lua_getfield(L, entry, "point");
    FUZZ_CHECK(lua_type(L, -2) == LUA_TNUMBER && lua_type(L, -1) == LUA_TNUMBER);
    FUZZ_CHECK(ListsValue(stop, lua_tonumber(L, -2)));
    FUZZ_CHECK(SameBits(lua_tonumber(L, -1), static_cast<double>(stop.position)));
    lua_settop(L, entry - 1);
  }
  FUZZ_CHECK(keys == stops.size());
}

// The two lists of a successful GetGradationData, from its result table at
// `results`, replace it on the stack.
void TakeLists(lua_State* L, int results, int id) {
  lua_rawgeti(L, results, 1);
  lua_rawgeti(L, results, 2);
  lua_remove(L, results);
  const GradationData& gradation = *GradationById(id);
  CheckReadList(L, lua_gettop(L) - 1, gradation.colorStops);
  CheckReadList(L, lua_gettop(L), gradation.alphaStops);
}

// Pushes the two lists of gradation `id` as GetGradationData returns them.
void ReadLists(lua_State* L, int id) {
  lua_pushnumber(L, id);
  if (CallTrampoline(L, kGet, 1) != 0) Fatal("GetGradationData failed", ErrorText(L));
  FUZZ_CHECK(lua_tonumber(L, -2) == 2);
  lua_remove(L, -2);
  TakeLists(L, lua_gettop(L), id);
}

bool SameLists(lua_State* L, int a, int b) {
  if (lua_objlen(L, a) != lua_objlen(L, b)) return false;
  const int count = static_cast<int>(lua_objlen(L, a));
  for (int i = 1; i <= count; ++i) {
    lua_rawgeti(L, a, i);
    lua_rawgeti(L, b, i);
    for (const char* field : {"value", "point"}) {
      lua_getfield(L, -2, field);
      lua_getfield(L, -2, field);
      const bool same = SameBits(lua_tonumber(L, -2), lua_tonumber(L, -1));
      lua_pop(L, 2);
      if (!same) return false;
    }
    lua_pop(L, 2);
  }
  return true;
}

// Read, written back, read again: the same lists bit for bit.
void CheckRoundTrip(lua_State* L, int id) {
  const int top = lua_gettop(L);
  ReadLists(L, id);
  lua_pushnumber(L, id);
  lua_pushvalue(L, top + 1);
  lua_pushvalue(L, top + 2);
  if (CallTrampoline(L, kSet, 3) != 0) Fatal("writing back failed", ErrorText(L));
  FUZZ_CHECK(lua_tonumber(L, -2) == 1);
  lua_rawgeti(L, -1, 1);
  FUZZ_CHECK(lua_type(L, -1) == LUA_TBOOLEAN && lua_toboolean(L, -1));
  lua_settop(L, top + 2);
  ReadLists(L, id);
  if (!SameLists(L, top + 1, top + 3) || !SameLists(L, top + 2, top + 4)) {
    Fatal("written back differently", "ID " + std::to_string(id));
  }
  lua_settop(L, top);
}

// --- Building a call's arguments.

enum Kind {
  kNil,
  kTrue,
  kFalse,
  kText,
  kBits,
  kSpecial,
  kString,
  kFit,
  kSized,
  kLight,
  kNull,
  kList,
  kEntry,
  kHoles,
  kMeta,
  kFunction,
  kRead
};
const char kKindLetters[] = "ntfdbksuUlzTEHMFR";

uint32_t nestedWord;  // what a light userdata inside a table points at

// Buffer words: black, white and pseudo-random colours.
void Fill(uint32_t* words, size_t count, uint8_t seed) {
  uint32_t state = seed * 2654435761u + 1;
  for (size_t i = 0; i < count; ++i) {
    state = state * 1664525u + 1013904223u;
    words[i] = i % 5 == 0 ? (i % 10 == 0 ? 0xFFFFFFFFu : seed) : state;
  }
}

// A buffer argument, made once the call's width and height are known.
struct Placeholder {
  int slot;
  bool light;
  uint8_t seed;
};

void PushMetatable(lua_State* L, int kind, int id) {
  lua_createtable(L, 0, 2);
  switch (kind) {
    case 0:
      lua_pushcfunction(L, RaiseFromIndex);
      break;
    case 1:
      lua_pushcfunction(L, GenerateEntry);
      break;
    case 2:
      lua_pushvalue(L, kModuleSlot);
      lua_pushnumber(L, id);
      lua_pushcclosure(L, ReenterAndGenerate, 2);
      break;
    case 3:
      lua_pushcfunction(L, HugeLength);
      lua_setfield(L, -2, "__len");
      lua_createtable(L, 3, 2);
      PushEntry(L, 0xFF0000, 25);
      lua_rawseti(L, -2, 1);
      PushEntry(L, 0x00FF00, 75);
      lua_rawseti(L, -2, 2);
      lua_pushnumber(L, 0x0000FF);
      lua_setfield(L, -2, "value");
      lua_pushnumber(L, 50);
      lua_setfield(L, -2, "point");
      break;
    default:
      lua_pushcfunction(L, RaiseSentinel);
      break;
  }
  lua_setfield(L, -2, "__index");
}

// Pushes one value read from the program; see the format above. `argument`:
// the value is an argument itself (it may be wrapped by M, nested deeper).
void PushValue(lua_State* L, Program& in, int depth, bool argument,
               std::vector<Placeholder>& placeholders) {
  FUZZ_CHECK(lua_checkstack(L, 8));
  const auto kind = static_cast<Kind>(in.Letter(kKindLetters));
  if (depth >= kMaxDepth && (kind == kList || kind == kEntry || kind == kMeta)) {
    lua_pushnil(L);
    return;
  }
  switch (kind) {
    case kNil:
      lua_pushnil(L);
      return;
    case kTrue:
      lua_pushboolean(L, 1);
      return;
    case kFalse:
      lua_pushboolean(L, 0);
      return;
    case kText: {
      const std::string text = in.Until(';', 40);
      lua_pushnumber(L, std::strtod(text.c_str(), nullptr));
      return;
    }
    case kBits: {
      uint64_t bits = 0;
      for (int i = 0; i < 8; ++i) bits |= uint64_t{in.Byte()} << (8 * i);
      double number;
      std::memcpy(&number, &bits, sizeof number);
      lua_pushnumber(L, number);
      return;
    }
    case kSpecial:
      lua_pushnumber(L, kSpecials[in.Choice(sizeof kSpecials / sizeof kSpecials[0])]);
      return;
    case kString: {
      const std::string text = in.Until('"', 32);
      lua_pushlstring(L, text.data(), text.size());
      return;
    }
    case kFit:
    case kLight: {
      const uint8_t seed = in.Byte();
      if (!argument) {
        if (kind == kFit)
          lua_newuserdata(L, 4);
        else
          lua_pushlightuserdata(L, &nestedWord);
        return;
      }
      lua_pushnil(L);
      placeholders.push_back({lua_gettop(L), kind == kLight, seed});
      return;
    }
    case kSized: {
      const size_t bytes = in.Byte();
      const uint8_t seed = in.Byte();
      auto* block = static_cast<uint8_t*>(lua_newuserdata(L, bytes));
      std::vector<uint32_t> words(bytes / 4 + 1);
      Fill(words.data(), words.size(), seed);
      std::memcpy(block, words.data(), bytes);
      return;
    }
    case kNull:
      lua_pushlightuserdata(L, nullptr);
      return;
    case kList: {
      lua_newtable(L);
      for (int key = 1; key <= kMaxEntries && !in.Done() && !in.Take(')'); ++key) {
        PushValue(L, in, depth + 1, false, placeholders);
        lua_rawseti(L, -2, key);
      }
      return;
    }
    case kEntry: {
      lua_createtable(L, 0, 2);
      for (const char* field : {"value", "point"}) {
        PushValue(L, in, depth + 1, false, placeholders);
        if (lua_isnil(L, -1))
          lua_pop(L, 1);
        else
          lua_setfield(L, -2, field);
      }
      return;
    }
    case kHoles: {
      const int last = in.Choice(31);
      // Room for every key in the hash part, so no rehash moves them into the
      // array part, where the length would stop at the first hole.
      lua_createtable(L, 0, 32);
      for (int i = 0; i <= last; ++i) {
        PushEntry(L, i, 3 * i);
        lua_rawseti(L, -2, 1 << i);
      }
      return;
    }
    case kMeta: {
      const int meta = in.Choice(5);
      const int id = meta == 2 ? in.Byte() % 62 - 11 : 0;
      PushValue(L, in, depth + 1, argument, placeholders);
      if (lua_istable(L, -1)) {
        PushMetatable(L, meta, id);
        lua_setmetatable(L, -2);
      }
      return;
    }
    case kFunction:
      lua_pushcfunction(L, NoOp);
      return;
    case kRead:
      lua_pushvalue(L, in.Byte() % 2 == 0 ? kLastColors : kLastAlphas);
      return;
  }
}

// --- What a call must do, from the documented argument rules.

enum Outcome { kSucceeds, kRaises, kEither };

struct Prediction {
  Outcome outcome = kSucceeds;
  std::string message;                 // for kRaises
  bool setsStops = false;              // SetGradationData past its argument checks
  std::vector<Listed> colors, alphas;  // what it leaves, unless kEither
  int64_t pixels = 0;                  // image functions: how many they write
};

// Argument `n` of the call whose first argument is at `first`.
class Arguments {
 public:
  Arguments(lua_State* L, int first, int count) : L_(L), first_(first), count_(count) {}
  int count() const { return count_; }
  int index(int n) const { return first_ + n - 1; }
  bool Present(int n) const { return n <= count_; }
  int Type(int n) const { return Present(n) ? lua_type(L_, index(n)) : LUA_TNONE; }
  bool IsNumber(int n) const { return Present(n) && lua_isnumber(L_, index(n)); }
  double Number(int n) const { return Present(n) ? lua_tonumber(L_, index(n)) : 0.0; }
  lua_Integer Integer(int n) const { return Present(n) ? lua_tointeger(L_, index(n)) : 0; }
  // The module keeps sizes and the offset as 32-bit integers.
  int32_t Int32(int n) const { return static_cast<int32_t>(Integer(n)); }
  bool ValidId() const {
    const lua_Integer id = Integer(1);
    return IsNumber(1) && id >= -(kScratchSize - 1) && id <= kBankSize;
  }
  std::string BadArgument(int n, Function function, const char* expected) const {
    return "bad argument #" + std::to_string(n) + " to '" + kNames[function] + "' (" + expected +
           " expected, got " + (Present(n) ? lua_typename(L_, Type(n)) : "no value") + ")";
  }

 private:
  lua_State* L_;
  int first_;
  int count_;
};

// luaL_error puts where the script called the function before its message:
// here the trampoline's line in the chunk "calls".
Prediction Raises(Function function, const std::string& message) {
  Prediction prediction;
  prediction.outcome = kRaises;
  prediction.message = "calls:" + std::to_string(3 + function) + ": " + message;
  return prediction;
}

// The first of `numbers` that is not a number, or 0.
int FirstNotNumber(const Arguments& args, std::initializer_list<int> numbers) {
  for (int n : numbers) {
    if (!args.IsNumber(n)) return n;
  }
  return 0;
}

// What SetGradationData reads from the list at `n`: its entries, or the
// indexing error it stops at. False when metatables take part.
bool ReadEntries(lua_State* L, const Arguments& args, int n, bool colors, Prediction& prediction) {
  const int list = args.index(n);
  if (lua_getmetatable(L, list)) {
    lua_pop(L, 1);
    return false;
  }
  const size_t count = lua_objlen(L, list);
  for (size_t i = 1; i <= count; ++i) {
    lua_rawgeti(L, list, static_cast<int>(i));
    Listed listed = {0, 0.0f, 0.0f};
    if (lua_istable(L, -1)) {
      if (lua_getmetatable(L, -1)) {
        lua_pop(L, 2);
        return false;
      }
      lua_getfield(L, -1, "value");
      lua_getfield(L, -2, "point");
      listed.color = static_cast<uint32_t>(lua_tointeger(L, -2)) & 0xFFFFFF;
      listed.opacity = static_cast<float>(lua_tonumber(L, -2));
      listed.position = static_cast<float>(lua_tonumber(L, -1));
      lua_pop(L, 3);
    } else if (lua_type(L, -1) == LUA_TSTRING) {
      // Indexed through the string library, which has neither field.
      lua_pop(L, 1);
    } else {
      // Raised inside the C function, so without a position.
      prediction.outcome = kRaises;
      prediction.message = std::string("attempt to index a ") + luaL_typename(L, -1) + " value";
      lua_pop(L, 1);
      return true;
    }
    (colors ? prediction.colors : prediction.alphas).push_back(listed);
  }
  return true;
}

Prediction Predict(lua_State* L, Function function, const Arguments& args) {
  switch (function) {
    case kGradation: {
      if (int n = FirstNotNumber(args, {1, 2}))
        return Raises(function, args.BadArgument(n, function, "number"));
      if (args.count() >= 3 && !args.IsNumber(3)) {
        return Raises(function, args.BadArgument(3, function, "number"));
      }
      if (!args.ValidId()) return Raises(function, kIdError);
      const float point = static_cast<float>(args.Number(2));
      if (!(point >= 0.0f && point <= 100.0f)) return Raises(function, kPointError);
      return Prediction();
    }
    case kGet:
      if (!args.IsNumber(1)) return Raises(function, args.BadArgument(1, function, "number"));
      if (!args.ValidId()) return Raises(function, kIdError);
      return Prediction();
    case kSet: {
      if (!args.IsNumber(1)) return Raises(function, args.BadArgument(1, function, "number"));
      if (!args.ValidId()) return Raises(function, kIdError);
      for (int n : {2, 3}) {
        if (args.Type(n) != LUA_TTABLE)
          return Raises(function, args.BadArgument(n, function, "table"));
      }
      Prediction prediction;
      prediction.setsStops = true;
      if (!ReadEntries(L, args, 2, true, prediction)) prediction.outcome = kEither;
      if (prediction.outcome == kSucceeds && !ReadEntries(L, args, 3, false, prediction)) {
        prediction.outcome = kEither;
      }
      return prediction;
    }
    case kImage:
    case kRemap: {
      if (!args.IsNumber(1)) return Raises(function, args.BadArgument(1, function, "number"));
      if (args.Type(2) != LUA_TUSERDATA && args.Type(2) != LUA_TLIGHTUSERDATA) {
        return Raises(function, args.BadArgument(2, function, "userdata"));
      }
      if (int n = FirstNotNumber(args, {3, 4}))
        return Raises(function, args.BadArgument(n, function, "number"));
      if (args.count() >= 5 && !args.IsNumber(5)) {
        return Raises(function, args.BadArgument(5, function, "number"));
      }
      if (args.count() >= 7) {
        if (int n = FirstNotNumber(args, {6, 7})) {
          return Raises(function, args.BadArgument(n, function, "number"));
        }
      }
      if (!args.ValidId()) return Raises(function, kImageIdError);
      const int64_t width = args.Int32(3), height = args.Int32(4);
      Prediction prediction;
      if (function == kImage)
        prediction.pixels = width > 0 && height > 0 ? width * height : 0;
      else
        prediction.pixels = std::max<int64_t>(0, width * height);
      if (prediction.pixels == 0) return prediction;
      if (static_cast<uint64_t>(prediction.pixels) > SIZE_MAX / 4) {
        return Raises(function, "Velumbra : image is too large");
      }
      const void* pixels = lua_touserdata(L, args.index(2));
      const uint64_t holds = args.Type(2) == LUA_TUSERDATA ? lua_objlen(L, args.index(2)) / 4
                             : pixels == nullptr           ? 0
                                                           : UINT64_MAX;
      if (holds < static_cast<uint64_t>(prediction.pixels)) {
        return Raises(function, "Velumbra : image buffer holds " +
                                    std::to_string(std::min<uint64_t>(holds, INT32_MAX)) +
                                    " pixels, fewer than width x height");
      }
      return prediction;
    }
  }
  return Prediction();
}

// What may be raised from inside SetGradationData's reading where metatables
// take part: Lua's indexing error, the metatables' own errors, and the ID
// error of a SetGradationData they call. None comes with a position, as each
// is raised from a C function called by a C function.
bool MayRaiseWhileReading(const std::string& message) {
  const std::string head = "attempt to index a ", tail = " value";
  if (message.size() > head.size() + tail.size() && message.compare(0, head.size(), head) == 0 &&
      message.compare(message.size() - tail.size(), tail.size(), tail) == 0) {
    return true;
  }
  return message == kIndexRaised || message == kIdError;
}

// --- The pixels a successful image call must leave.

// The word for a position: the colour's 24 bits under the alpha byte, the
// low 8 bits of opacity x 2.55 truncated as x86 converts to a 32-bit integer
// (where NaN and out-of-range values become INT32_MIN).
uint32_t Word(const GradationData& gradation, float position, float exponent) {
  const double alpha = static_cast<double>(EvaluateOpacity(gradation, position, exponent)) * 2.55;
  const int32_t truncated =
      alpha > -2147483649.0 && alpha < 2147483648.0 ? static_cast<int32_t>(alpha) : INT32_MIN;
  return (static_cast<uint32_t>(truncated) & 0xFF) << 24 |
         (EvaluateColor(gradation, position, exponent) & 0xFFFFFF);
}

// The optional arguments as the image functions take them.
struct ImageCall {
  int32_t width = 0, height = 0;
  float exponent = 4.0f / 3.0f;
  float start = 0.0f, end = 100.0f;   // SetGradationImage
  float offset = 0.0f, scale = 1.0f;  // ColorReMap_Luminance
};

ImageCall ReadImageCall(const Arguments& args) {
  ImageCall call;
  call.width = args.Int32(3);
  call.height = args.Int32(4);
  if (args.count() >= 5) call.exponent = static_cast<float>(args.Number(5));
  if (args.count() >= 7) {
    call.start = static_cast<float>(args.Number(6));
    call.end = static_cast<float>(args.Number(7));
    call.offset = static_cast<float>(args.Int32(6));
    call.scale = static_cast<float>(args.Number(7));
  }
  return call;
}

void CheckPainted(const GradationData& gradation, const ImageCall& call, const uint32_t* pixels) {
  const float step = static_cast<float>((static_cast<double>(call.end) - call.start) / call.width);
  for (int32_t x = 0; x < call.width; ++x) {
    const float position = static_cast<float>(static_cast<double>(x) * step + call.start);
    const uint32_t word = Word(gradation, position, call.exponent);
    for (int32_t y = 0; y < call.height; ++y) FUZZ_CHECK(pixels[y * call.width + x] == word);
  }
}

void CheckRecolored(const GradationData& gradation, const ImageCall& call, const uint32_t* original,
                    const uint32_t* pixels, size_t count) {
  std::vector<uint32_t> words(4097);
  std::vector<bool> known(4097);
  for (size_t i = 0; i < count; ++i) {
    const uint32_t r = original[i] >> 16 & 0xFF, g = original[i] >> 8 & 0xFF,
                   b = original[i] & 0xFF;
    const uint32_t index =
        ((r * 4918 + 354) >> 10) + ((g * 9655 + 585) >> 10) + ((b * 1875 + 523) >> 10);
    FUZZ_CHECK(index <= 4096);
    if (!known[index]) {
      const float x = static_cast<float>(static_cast<double>(index) * call.scale + call.offset);
      const float m = static_cast<float>(std::fmod(static_cast<double>(x), 4097.0));
      const float position = static_cast<float>(m / static_cast<double>(40.96f));
      words[index] = Word(gradation, position, call.exponent);
      known[index] = true;
    }
    FUZZ_CHECK(pixels[i] == words[index]);
  }
}

// --- One call.

void CheckResults(lua_State* L, Function function, int id) {
  const int count = static_cast<int>(lua_tonumber(L, -2));
  const int results = lua_gettop(L);
  switch (function) {
    case kGradation:
      FUZZ_CHECK(count == 4);
      for (int i = 1; i <= 4; ++i) {
        lua_rawgeti(L, results, i);
        FUZZ_CHECK(lua_type(L, -1) == LUA_TNUMBER);
        FUZZ_CHECK(i == 4 || IsIntegral(lua_tonumber(L, -1), 0, 255));
        lua_pop(L, 1);
      }
      break;
    case kGet:
      FUZZ_CHECK(count == 2);
      TakeLists(L, results, id);
      lua_replace(L, kLastAlphas);
      lua_replace(L, kLastColors);
      break;
    case kSet:
      FUZZ_CHECK(count == 1);
      lua_rawgeti(L, results, 1);
      FUZZ_CHECK(lua_type(L, -1) == LUA_TBOOLEAN && lua_toboolean(L, -1));
      lua_pop(L, 1);
      break;
    case kImage:
    case kRemap:
      FUZZ_CHECK(count == 0);
      break;
  }
}

// Reads one call from the program, makes it and checks what it did.
void RunCall(lua_State* L, Program& in, std::deque<std::vector<uint32_t>>& lightBuffers) {
  const int base = lua_gettop(L);
  const auto function = static_cast<Function>(in.Letter("Ggsir"));
  const int count = in.Choice(9);
  std::vector<Placeholder> placeholders;
  for (int i = 0; i < count; ++i) PushValue(L, in, 0, true, placeholders);
  const Arguments args(L, base + 1, count);

  // Buffers of exactly the call's width x height, as a caller promises.
  const int64_t fit = args.IsNumber(3) && args.IsNumber(4)
                          ? std::max<int64_t>(0, int64_t{args.Int32(3)} * args.Int32(4))
                          : 0;
  for (const Placeholder& placeholder : placeholders) {
    if (placeholder.light) {
      if (fit > kMaxPixels) {
        lua_settop(L, base);
        return;
      }
      std::vector<uint32_t>& words = lightBuffers.emplace_back(std::max<int64_t>(fit, 1));
      Fill(words.data(), words.size(), placeholder.seed);
      lua_pushlightuserdata(L, words.data());
    } else {
      const size_t words = fit <= kMaxPixels ? static_cast<size_t>(fit) : 0;
      auto* block = static_cast<uint32_t*>(lua_newuserdata(L, words * 4));
      Fill(block, words, placeholder.seed);
    }
    lua_replace(L, placeholder.slot);
  }

  const Prediction prediction = Predict(L, function, args);
  const int id = args.ValidId() ? static_cast<int>(args.Integer(1)) : INT32_MIN;
  GradationData* gradation = id != INT32_MIN ? GradationById(id) : nullptr;
  const GradationData before = gradation != nullptr ? *gradation : GradationData();

  // The image's bytes before the call.
  const bool image = function == kImage || function == kRemap;
  uint8_t* buffer = nullptr;
  size_t bufferBytes = 0;
  ImageCall imageCall;
  if (image && (args.Type(2) == LUA_TUSERDATA || args.Type(2) == LUA_TLIGHTUSERDATA)) {
    buffer = static_cast<uint8_t*>(lua_touserdata(L, args.index(2)));
    if (args.Type(2) == LUA_TUSERDATA) {
      bufferBytes = lua_objlen(L, args.index(2));
    } else {
      for (const std::vector<uint32_t>& words : lightBuffers) {
        if (reinterpret_cast<const uint8_t*>(words.data()) == buffer)
          bufferBytes = words.size() * 4;
      }
    }
    imageCall = ReadImageCall(args);
  }
  const std::vector<uint8_t> original(buffer, buffer + bufferBytes);

  const int status = CallTrampoline(L, function, count);
  std::string what =
      std::string(kNames[function]) + " with " + std::to_string(count) + " arguments";
  if (status == 0) {
    if (prediction.outcome == kRaises)
      Fatal("succeeded, but must raise", what + ": " + prediction.message);
    CheckResults(L, function, id);
  } else {
    const std::string error = ErrorText(L);
    if (prediction.outcome == kSucceeds) Fatal("raised, but must succeed", what + ": " + error);
    if (prediction.outcome == kRaises && error != prediction.message) {
      Fatal("raised the wrong error", what + ": " + error + " instead of " + prediction.message);
    }
    if (prediction.outcome == kEither && lua_touserdata(L, -1) != &errorSentinel &&
        !MayRaiseWhileReading(error)) {
      Fatal("raised an error no rule allows", what + ": " + error);
    }
  }
  lua_settop(L, base);

  if (gradation != nullptr) {
    if (!prediction.setsStops) {
      FUZZ_CHECK(SameStops(before, *gradation));
    } else if (prediction.outcome != kEither) {
      CheckSetStops(*gradation, prediction.colors, prediction.alphas);
    } else {
      CheckNumbered(gradation->colorStops);
      CheckNumbered(gradation->alphaStops);
    }
  }

  if (buffer != nullptr) {
    const size_t written = status == 0 ? static_cast<size_t>(prediction.pixels) * 4 : 0;
    FUZZ_CHECK(written <= bufferBytes);
    FUZZ_CHECK(std::equal(original.begin() + static_cast<ptrdiff_t>(written), original.end(),
                          buffer + written));
    if (written > 0) {
      std::vector<uint32_t> words(static_cast<size_t>(prediction.pixels)), old(words.size());
      std::memcpy(words.data(), buffer, written);
      std::memcpy(old.data(), original.data(), written);
      if (function == kImage)
        CheckPainted(*gradation, imageCall, words.data());
      else
        CheckRecolored(*gradation, imageCall, old.data(), words.data(), words.size());
    }
  }

  if (gradation != nullptr) {
    Touch(id);
    CheckRoundTrip(L, id);
  }
  FUZZ_CHECK(lua_gettop(L) == base);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ResetBankToDefaults();
  for (GradationData& gradation : ScratchBank) ClearGradation(gradation);
  std::fill(std::begin(touched), std::end(touched), false);
  lua_State* L = NewSession();
  std::deque<std::vector<uint32_t>> lightBuffers;
  Program in(data, size);
  for (int call = 0; call < kMaxCalls && !in.Done(); ++call) RunCall(L, in, lightBuffers);
  for (int id = -(kScratchSize - 1); id <= kBankSize; ++id) {
    if (touched[id + kScratchSize - 1]) CheckRoundTrip(L, id);
  }
  lua_close(L);
  return 0;
}
