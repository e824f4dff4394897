// The velumbra program as users run it: exit status, messages and files left
// behind, on inputs each test writes. The recolouring is compared bit for
// bit with the script function ColorReMap_Luminance on the same words.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <lua.hpp>
#include <set>
#include <string>
#include <vector>

#include "interchange/gradient_files.h"
#include "model/banks.h"
#include "model/evaluate.h"
#include "support/file_bytes.h"
#include "support/grd8_writer.h"
#include "support/random_gradations.h"

extern "C" int luaopen_Velumbra(lua_State* L);
extern char** environ;

namespace fs = std::filesystem;

namespace {

struct CliRun {
  int status = -1;
  std::string out, err;
};

std::string ReadText(const fs::path& path) {
  const std::vector<uint8_t> bytes = ReadFileBytes(path.string());
  return std::string(bytes.begin(), bytes.end());
}

void WriteText(const fs::path& path, const std::string& text) {
  ASSERT_TRUE(WriteFileBytes(path.string(), std::vector<uint8_t>(text.begin(), text.end())));
}

const char kGgr[] =
    "GIMP Gradient\nName: Ember\n1\n"
    "0.000000 0.500000 1.000000 1.0 0.2 0.0 1.0 0.1 0.0 0.3 1.0 0 0\n";
const char kDamagedGgr[] = "GIMP Gradient\nName: Cut\n3\n0 0.5 1\n";
const char kSvgPack[] =
    "<svg xmlns='http://www.w3.org/2000/svg'><defs>"
    "<linearGradient id='sunset'><stop offset='0' stop-color='#ff8000'/>"
    "<stop offset='1' stop-color='#400080'/></linearGradient>"
    "<linearGradient id='sea'><stop offset='0' stop-color='#003050'/>"
    "<stop offset='1' stop-color='#80e0ff' stop-opacity='0.5'/></linearGradient>"
    "</defs></svg>";

GradationData TwoColors(uint32_t left, uint32_t right, float opacity) {
  GradationData g;
  AddColorStop(g, 0.0f, RgbFromPacked(left));
  AddColorStop(g, 100.0f, RgbFromPacked(right));
  AddAlphaStop(g, 0.0f, opacity);
  return g;
}

// A PNG of 0xAARRGGBB words, row after row.
void WritePng(const fs::path& path, int width, int height, const std::vector<uint32_t>& words) {
  std::vector<stbi_uc> rgba;
  for (uint32_t word : words) {
    for (int shift : {16, 8, 0, 24}) rgba.push_back(static_cast<stbi_uc>(word >> shift));
  }
  std::vector<uint8_t> png;
  ASSERT_NE(stbi_write_png_to_func(
                [](void* context, void* data, int size) {
                  auto* out = static_cast<std::vector<uint8_t>*>(context);
                  out->insert(out->end(), static_cast<uint8_t*>(data),
                              static_cast<uint8_t*>(data) + size);
                },
                &png, width, height, 4, rgba.data(), width * 4),
            0);
  ASSERT_TRUE(WriteFileBytes(path.string(), png));
}

// A picture whose colours do not follow its luminance alone: the map cannot
// be exact, so its numbers mean something.
std::vector<uint32_t> Landscape(int width, int height) {
  std::vector<uint32_t> words;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t r = static_cast<uint32_t>(255 * x / (width - 1));
      const uint32_t g = static_cast<uint32_t>(255 * y / (height - 1));
      const uint32_t b = static_cast<uint32_t>((x * 7 + y * 13) % 256);
      words.push_back(0xFF000000u | r << 16 | g << 8 | b);
    }
  }
  return words;
}

// Each test in a fresh folder holding the inputs below.
class Cli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(VELUMBRA_CLI_TEST_DIR) /
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    WriteText(dir_ / "ember.ggr", kGgr);
    WriteText(dir_ / "damaged.ggr", kDamagedGgr);
    WriteText(dir_ / "pack.svg", kSvgPack);
    WriteText(dir_ / "text.png", "not an image");
    WritePng(dir_ / "scene.png", 24, 16, Landscape(24, 16));
    ASSERT_TRUE(SaveGradientFile(Path("opaque.grd").c_str(), TwoColors(0xFF0000, 0x0000FF, 100.0f),
                                 GradientFormat::VelumbraRecord, ""));
    ASSERT_TRUE(SaveGradientFile(Path("clear.grd").c_str(), TwoColors(0x00FF00, 0x00FF00, 0.0f),
                                 GradientFormat::VelumbraRecord, ""));
  }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  std::set<std::string> Files() const {
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(dir_)) {
      names.insert(fs::relative(entry.path(), dir_).string());
    }
    return names;
  }

  // Runs velumbra in the test's folder, stdout and stderr kept apart.
  CliRun Run(const std::vector<std::string>& arguments) {
    const std::string out = (dir_.parent_path() / "stdout.txt").string();
    const std::string err = (dir_.parent_path() / "stderr.txt").string();
    std::vector<std::string> words = {VELUMBRA_CLI_PATH};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addchdir_np(&actions, dir_.c_str());
    CliRun run;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return run;
    int status = 0;
    waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = ReadText(out);
    run.err = ReadText(err);
    return run;
  }

  fs::path dir_;
};

TEST_F(Cli, StatusMessageAndNothingLeftBehind) {
  struct Case {
    std::vector<std::string> arguments;
    int status;
    const char* message;  // in stderr, or in stdout on success
    const char* written;  // the file a success leaves, else none is new
  } cases[] = {
      {{"--version"}, 0, "velumbra " VELUMBRA_VERSION, nullptr},
      {{"convert", "--help"}, 0, "--all DIR", nullptr},
      {{"convert", "--help"}, 0, "the format by extension (grd, ggr, svg, css, txt)", nullptr},
      {{"info", "ember.ggr", "pack.svg"}, 0, "  2  sea: ", nullptr},
      {{"info", "ember.ggr", "damaged.ggr"}, 1, "damaged.ggr: GIMP gradient", nullptr},
      {{"info", "missing.ggr"}, 1, "missing.ggr: the file cannot be opened", nullptr},
      {{"convert", "ember.ggr", "out.svg"}, 0, "", "out.svg"},
      {{"convert", "pack.svg", "out.css", "--name", "sea"}, 0, "", "out.css"},
      {{"convert", "pack.svg", "out.grd", "--index", "2"}, 0, "", "out.grd"},
      {{"convert", "ember.ggr", "out", "--format", ".GGR"}, 0, "", "out"},
      {{"convert", "damaged.ggr", "out.svg"}, 1, "damaged.ggr: GIMP gradient", nullptr},
      {{"convert", "ember.ggr", "no/folder/out.svg"},
       1,
       "no/folder/out.svg: cannot write",
       nullptr},
      {{"convert", "ember.ggr", "out.png"}, 2, "cannot tell the format", nullptr},
      {{"convert", "ember.ggr", "out.svg", "--format", "bmp"},
       2,
       "\"bmp\" is none of .grd (Velumbra gradation), .ggr, .svg, .css or .txt (CSS)",
       nullptr},
      {{"convert", "pack.svg", "out.ggr"}, 2, "holds 2 gradients; choose one", nullptr},
      {{"convert", "pack.svg", "out.ggr", "--index", "3"},
       2,
       "--index 3: the file holds 2",
       nullptr},
      {{"convert", "pack.svg", "out.ggr", "--name", "dusk"}, 2, "no gradient is named", nullptr},
      {{"convert", "pack.svg", "out.ggr", "--index", "0"}, 2, "--index", nullptr},
      {{"convert", "ember.ggr"}, 2, "needs either OUT or --all DIR", nullptr},
      {{"convert", "pack.svg", "--all", "all"}, 2, "needs --format", nullptr},
      {{"render", "ember.ggr", "out.png"}, 0, "", "out.png"},
      {{"render", "ember.ggr", "out.jpg"}, 2, "must be named .png", nullptr},
      {{"render", "ember.ggr", "out.png", "--width", "0"}, 2, "--width", nullptr},
      {{"render", "ember.ggr", "out.png", "--exponent", "nan"},
       2,
       "needs a finite number",
       nullptr},
      {{"render", "damaged.ggr", "out.png"}, 1, "damaged.ggr:", nullptr},
      {{"map", "ember.ggr", "text.png", "out.png"}, 1, "text.png: not a PNG image", nullptr},
      {{"map", "ember.ggr", "missing.png", "out.png"}, 1, "missing.png: the file cannot", nullptr},
      {{"map", "ember.ggr", "text.png", "out.png", "--scale", "x"}, 2, "--scale", nullptr},
      {{"map", "ember.ggr", "text.png", "out.png", "--offset", "1.5"}, 2, "--offset", nullptr},
      {{"presets"}, 0, "look-sepia\nlook-sepia-light\n", nullptr},
      {{"info", "preset:look-sepia"}, 0, "  1  look-sepia: ", nullptr},
      {{"render", "preset:perceptual-viridis", "out.png"}, 0, "", "out.png"},
      {{"info", "ember.ggr", "preset:sepia"},
       2,
       "preset:sepia: no built-in preset is named \"sepia\"; 'velumbra presets' lists them",
       nullptr},
      {{"convert", "preset:", "--all", "all", "--format", "ggr"}, 2, "named \"\"", nullptr},
      {{"extract", "scene.png", "out.ggr"}, 0, "out.ggr: ", "out.ggr"},
      {{"extract", "scene.png", "out.grd", "--max-stops", "2"}, 0, "2 colour stops", "out.grd"},
      {{"extract", "scene.png", "out.css", "--row"}, 0, "from the middle row", "out.css"},
      {{"extract", "scene.png", "out.grd", "--row", "--max-stops", "3"}, 2, "--row", nullptr},
      {{"extract", "scene.png", "out.grd", "--max-stops", "65"}, 2, "--max-stops", nullptr},
      {{"extract", "scene.png", "out.png"}, 2, "cannot tell the format", nullptr},
      {{"extract", "text.png", "out.grd"}, 1, "text.png: not a PNG, JPEG, BMP", nullptr},
      {{"extract", "missing.png", "out.grd"}, 1, "missing.png: the file cannot", nullptr},
      {{"extract", "scene.png", "no/folder/out.svg"}, 1, "no/folder/out.svg: cannot", nullptr},
      {{"paint", "ember.ggr"}, 2, "unknown command 'paint'", nullptr},
      {{}, 2, "A subcommand is required", nullptr},
  };
  const std::set<std::string> inputs = Files();
  for (const Case& c : cases) {
    std::string command;
    for (const std::string& word : c.arguments) command += word + " ";
    const CliRun run = Run(c.arguments);
    EXPECT_EQ(run.status, c.status) << command << "\n" << run.err;
    const std::string& text = c.status == 0 ? run.out : run.err;
    EXPECT_NE(text.find(c.message), std::string::npos) << command << "\n" << text;
    std::set<std::string> expected = inputs;
    if (c.written != nullptr) expected.insert(c.written);
    EXPECT_EQ(Files(), expected) << command;
    if (c.written != nullptr) fs::remove(dir_ / c.written);
  }
}

// Each format written reads back through the facade: the record exactly,
// the others within two steps (one for the written linear stops, one for
// fitting them again).
TEST_F(Cli, ConvertedFilesReadBack) {
  struct Case {
    const char* out;
    GradientFormat format;
    int tolerance;
  } cases[] = {{"a.grd", GradientFormat::VelumbraRecord, 0},
               {"a.ggr", GradientFormat::Ggr, 2},
               {"a.svg", GradientFormat::Svg, 2},
               {"a.css", GradientFormat::Css, 2},
               {"a.TXT", GradientFormat::Css, 2}};
  const GradationData source = ImportGradientFile(Path("ember.ggr").c_str()).gradients[0].gradation;
  for (const Case& c : cases) {
    ASSERT_EQ(Run({"convert", "ember.ggr", c.out}).status, 0) << c.out;
    const ImportResult back = ImportGradientFile(Path(c.out).c_str());
    ASSERT_TRUE(back.ok()) << c.out << ": " << back.error;
    EXPECT_EQ(back.format, c.format) << c.out;
    for (float position = 0.0f; position <= 100.0f; position += 12.5f) {
      const uint32_t want = EvaluateColor(source, position, kEditorCurveExponent);
      const uint32_t got =
          EvaluateColor(back.gradients[0].gradation, position, kEditorCurveExponent);
      for (int shift : {16, 8, 0}) {
        EXPECT_LE(std::abs(int(want >> shift & 0xFF) - int(got >> shift & 0xFF)), c.tolerance)
            << c.out << " at " << position;
      }
    }
  }
}

TEST_F(Cli, IndexAndNamePickTheGradient) {
  const std::vector<std::string> picks[] = {{"--index", "2"}, {"--name", "sunset"}};
  const char* picked[] = {"sea", "sunset"};
  for (int i = 0; i < 2; ++i) {
    std::vector<std::string> arguments = {"convert", "pack.svg", "one.ggr"};
    arguments.insert(arguments.end(), picks[i].begin(), picks[i].end());
    ASSERT_EQ(Run(arguments).status, 0) << picks[i][0];
    const ImportResult back = ImportGradientFile(Path("one.ggr").c_str());
    ASSERT_TRUE(back.ok()) << back.error;
    EXPECT_EQ(back.gradients[0].name, picked[i]);
  }
}

TEST_F(Cli, AllNamesFilesSafelyAndUniquely) {
  const std::u16string names[] = {u"../x",
                                  u"con",
                                  u"a/b",
                                  u"dup",
                                  u"DUP",
                                  u"",
                                  u"a\x01"
                                  u"b",
                                  u"COM1.txt",
                                  u" . ",
                                  u"日本語<>"};
  std::vector<grd8::Gradient> pack;
  for (const std::u16string& name : names) {
    grd8::Gradient g;
    g.name = name;
    g.colors = {{grd8::Rgb(255, 0, 0), 0}, {grd8::Rgb(0, 0, 255), 4096}};
    pack.push_back(g);
  }
  WriteText(dir_ / "pack.grd", grd8::Pack(pack));
  const CliRun run = Run({"convert", "pack.grd", "--all", "out", "--format", "ggr"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> expected = {
      "x.ggr",          "con_.ggr", "ab.ggr",        "dup.ggr",        "DUP-2.ggr",
      "gradient-6.ggr", "ab-2.ggr", "COM1_.txt.ggr", "gradient-9.ggr", u8"日本語.ggr"};
  std::string listed;
  for (const std::string& name : expected) {
    listed += (fs::path("out") / name).string() + "\n";
    EXPECT_TRUE(ImportGradientFile(Path("out/" + name).c_str()).ok()) << name;
  }
  EXPECT_EQ(run.out, listed);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "out"), fs::directory_iterator()), 10);

  // A write that fails part way takes back the files already written.
  fs::create_directories(dir_ / "busy" / "sea.svg");
  EXPECT_EQ(Run({"convert", "pack.svg", "--all", "busy", "--format", "svg"}).status, 1);
  EXPECT_FALSE(fs::exists(dir_ / "busy" / "sunset.svg"));
}

// Enough of JSON to tell whether text is one well-formed value.
bool JsonValue(const std::string& s, size_t& at);

void SkipSpace(const std::string& s, size_t& at) {
  while (at < s.size() && (s[at] == ' ' || s[at] == '\n' || s[at] == '\t' || s[at] == '\r')) ++at;
}

bool JsonString(const std::string& s, size_t& at) {
  if (at >= s.size() || s[at++] != '"') return false;
  while (at < s.size()) {
    const unsigned char c = static_cast<unsigned char>(s[at++]);
    if (c == '"') return true;
    if (c < 0x20) return false;
    if (c != '\\') continue;
    if (at >= s.size()) return false;
    const char e = s[at++];
    if (e == 'u') {
      if (at + 4 > s.size()) return false;
      for (int i = 0; i < 4; ++i) {
        if (!std::isxdigit(static_cast<unsigned char>(s[at++]))) return false;
      }
    } else if (std::strchr("\"\\/bfnrt", e) == nullptr) {
      return false;
    }
  }
  return false;
}

bool JsonValue(const std::string& s, size_t& at) {
  SkipSpace(s, at);
  if (at >= s.size()) return false;
  if (s[at] == '"') return JsonString(s, at);
  if (s[at] == '[' || s[at] == '{') {
    const bool object = s[at++] == '{';
    SkipSpace(s, at);
    if (at < s.size() && s[at] == (object ? '}' : ']')) return ++at, true;
    for (;;) {
      if (object) {
        SkipSpace(s, at);
        if (!JsonString(s, at)) return false;
        SkipSpace(s, at);
        if (at >= s.size() || s[at++] != ':') return false;
      }
      if (!JsonValue(s, at)) return false;
      SkipSpace(s, at);
      if (at >= s.size()) return false;
      const char next = s[at++];
      if (next == (object ? '}' : ']')) return true;
      if (next != ',') return false;
    }
  }
  char* end = nullptr;
  std::strtod(s.c_str() + at, &end);
  if (end == s.c_str() + at) return false;
  at = static_cast<size_t>(end - s.c_str());
  return true;
}

TEST_F(Cli, InfoJsonParsesAndCarriesTheFields) {
  grd8::Gradient g;
  g.name = u"quote\" back\\ \x01 tab\t";
  g.colors = {{grd8::Rgb(255, 0, 0), 0}, {grd8::Rgb(0, 0, 255), 4096}};
  WriteText(dir_ / "odd.grd", grd8::Pack({g}));
  const CliRun run = Run({"info", "--json", "pack.svg", "damaged.ggr", "odd.grd", "opaque.grd"});
  EXPECT_EQ(run.status, 1);
  size_t at = 0;
  EXPECT_TRUE(JsonValue(run.out, at)) << run.out;
  SkipSpace(run.out, at);
  EXPECT_EQ(at, run.out.size()) << run.out;
  for (const char* field : {
           R"({"file": "pack.svg", "format": "SVG gradient", "gradients": [)",
           R"({"name": "sea", "colorStops": )",
           R"({"file": "damaged.ggr", "error": "GIMP gradient: )",
           R"("name": "quote\" back\\ \u0001 tab\t")",
           R"({"name": "", "colorStops": 2, "opacityStops": 1, "notes": []})",
       }) {
    EXPECT_NE(run.out.find(field), std::string::npos) << field << "\n" << run.out;
  }
}

// The built-in presets are presets/*.grd: listed by name, their stop counts
// as info gives them, and read exactly as the files are.
TEST_F(Cli, PresetsAreThePresetFiles) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(VELUMBRA_PRESETS_DIR)) {
    if (entry.path().extension() == ".grd") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  ASSERT_FALSE(names.empty());
  std::string listed;
  for (const std::string& name : names) listed += name + "\n";
  EXPECT_EQ(Run({"presets"}).out, listed);

  const CliRun json = Run({"presets", "--json"});
  EXPECT_EQ(json.status, 0) << json.err;
  size_t at = 0;
  EXPECT_TRUE(JsonValue(json.out, at)) << json.out;
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const std::string file = (fs::path(VELUMBRA_PRESETS_DIR) / (name + ".grd")).string();
    const ImportResult read = ImportGradientFile(file.c_str());
    ASSERT_TRUE(read.ok()) << read.error;
    const FitReport& report = read.gradients[0].report;
    const std::string entry =
        "{\"name\": \"" + name + "\", \"colorStops\": " + std::to_string(report.colorStopCount) +
        ", \"opacityStops\": " + std::to_string(report.opacityStopCount) + "}";
    EXPECT_NE(json.out.find(entry), std::string::npos) << json.out;
    ASSERT_EQ(Run({"convert", "preset:" + name, "out.grd"}).status, 0);
    EXPECT_EQ(ReadFileBytes(Path("out.grd")), ReadFileBytes(file));
  }
}

struct Png {
  int width = 0, height = 0;
  std::vector<uint32_t> words;  // 0xAARRGGBB
};

Png ReadPng(const std::string& path) {
  Png png;
  const std::vector<uint8_t> bytes = ReadFileBytes(path);
  int channels = 0;
  stbi_uc* rgba = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &png.width,
                                        &png.height, &channels, 4);
  if (rgba == nullptr) return png;
  for (int i = 0; i < png.width * png.height; ++i) {
    const stbi_uc* p = rgba + i * 4;
    png.words.push_back(uint32_t{p[3]} << 24 | uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2]);
  }
  stbi_image_free(rgba);
  return png;
}

TEST_F(Cli, RenderShowsTheCheckerboardOnlyWhereTransparent) {
  struct Case {
    const char* gradient;
    std::vector<std::string> size;
    int width, height;
    bool checkered;
  } cases[] = {{"opaque.grd", {}, 1024, 64, false},
               {"opaque.grd", {"--width", "37", "--height", "19"}, 37, 19, false},
               {"clear.grd", {"--width", "40", "--height", "20"}, 40, 20, true}};
  for (const Case& c : cases) {
    std::vector<std::string> arguments = {"render", c.gradient, "strip.png"};
    arguments.insert(arguments.end(), c.size.begin(), c.size.end());
    ASSERT_EQ(Run(arguments).status, 0) << c.gradient;
    const Png png = ReadPng(Path("strip.png"));
    ASSERT_EQ(png.width, c.width);
    ASSERT_EQ(png.height, c.height);
    std::set<uint32_t> colors;
    bool columnsPlain = true;
    for (int y = 0; y < png.height; ++y) {
      for (int x = 0; x < png.width; ++x) {
        const uint32_t word = png.words[static_cast<size_t>(y) * png.width + x];
        colors.insert(word);
        columnsPlain = columnsPlain && word == png.words[x];
      }
    }
    EXPECT_EQ(png.words[0] >> 24, 0xFFu);  // written opaque
    if (c.checkered) {
      EXPECT_EQ(colors, (std::set<uint32_t>{0xFFFFFFFF, 0xFFCCCCCC})) << c.gradient;
      EXPECT_EQ(png.words[0], 0xFFFFFFFFu);
      EXPECT_EQ(png.words[8], 0xFFCCCCCCu);
    } else {
      EXPECT_TRUE(columnsPlain) << c.gradient;
      EXPECT_EQ(png.words[0], 0xFFFF0000u);
    }
  }
}

// The recoloured image is exactly what the script function gives for the
// same gradient file, words and decimal arguments.
TEST_F(Cli, MapMatchesColorReMapLuminanceBitForBit) {
  TestRandom random(2024);
  const int width = 97, height = 61;
  std::vector<uint32_t> words(width * height);
  std::vector<stbi_uc> rgba;
  for (uint32_t& word : words) {
    word = static_cast<uint32_t>(random.Next());
    for (int shift : {16, 8, 0, 24}) rgba.push_back(static_cast<stbi_uc>(word >> shift));
  }
  std::vector<uint8_t> png;
  ASSERT_NE(stbi_write_png_to_func(
                [](void* context, void* data, int size) {
                  auto* bytes = static_cast<uint8_t*>(data);
                  static_cast<std::vector<uint8_t>*>(context)->insert(
                      static_cast<std::vector<uint8_t>*>(context)->end(), bytes, bytes + size);
                },
                &png, width, height, 4, rgba.data(), width * 4),
            0);
  ASSERT_TRUE(WriteFileBytes(Path("photo.png"), png));
  ASSERT_TRUE(SaveGradientFile(Path("random.grd").c_str(), RandomGradation(random, 6, false),
                               GradientFormat::VelumbraRecord, ""));
  ScratchBank[1] = ImportGradientFile(Path("random.grd").c_str()).gradients[0].gradation;
  ASSERT_GE(ScratchBank[1].colorStops.size(), 2u);  // a gradient, not one colour

  struct Case {
    const char* exponent;
    const char* offset;
    const char* scale;
  } cases[] = {{nullptr, nullptr, nullptr},
               {"1", "0", "1"},
               {"1.5", "-300", "2.75"},
               {"0.8", "4000", "-1"},
               {"2.2", "17", "0.333"}};
  for (const Case& c : cases) {
    std::vector<std::string> arguments = {"map", "random.grd", "photo.png", "mapped.png"};
    std::string extra;
    if (c.exponent != nullptr) {
      arguments.insert(arguments.end(),
                       {"--exponent", c.exponent, "--offset", c.offset, "--scale", c.scale});
      extra = std::string(", ") + c.exponent + ", " + c.offset + ", " + c.scale;
    }
    const CliRun run = Run(arguments);
    ASSERT_EQ(run.status, 0) << run.err;
    const Png mapped = ReadPng(Path("mapped.png"));
    ASSERT_EQ(mapped.words.size(), words.size());

    lua_State* L = luaL_newstate();
    luaL_openlibs(L);
    lua_pushcfunction(L, luaopen_Velumbra);
    lua_call(L, 0, 0);
    auto* buffer = static_cast<uint32_t*>(lua_newuserdata(L, words.size() * 4));
    std::memcpy(buffer, words.data(), words.size() * 4);
    lua_setglobal(L, "image");
    const std::string chunk = "Velumbra.ColorReMap_Luminance(-1, image, " + std::to_string(width) +
                              ", " + std::to_string(height) + extra + ")";
    ASSERT_EQ(luaL_dostring(L, chunk.c_str()), 0) << lua_tostring(L, -1);
    size_t differing = 0;
    for (size_t i = 0; i < words.size(); ++i) differing += buffer[i] != mapped.words[i];
    EXPECT_EQ(differing, 0u) << chunk;
    lua_close(L);
  }
}

// What extract prints is what recolouring the picture through the file it
// wrote does: the map command's result is that far from the picture.
TEST_F(Cli, ExtractReportsTheErrorOfItsOwnMap) {
  const std::vector<uint32_t> scene = Landscape(24, 16);
  const CliRun extracted = Run({"extract", "scene.png", "scene.grd"});
  ASSERT_EQ(extracted.status, 0) << extracted.err;
  const size_t at = extracted.out.find("RMS error ");
  ASSERT_NE(at, std::string::npos) << extracted.out;
  const double reported = std::atof(extracted.out.c_str() + at + 10);
  ASSERT_EQ(Run({"map", "scene.grd", "scene.png", "mapped.png"}).status, 0);
  const Png mapped = ReadPng(Path("mapped.png"));
  ASSERT_EQ(mapped.words.size(), scene.size());
  double squares = 0.0;
  for (size_t i = 0; i < scene.size(); ++i) {
    for (int shift : {16, 8, 0}) {
      const double d =
          double((mapped.words[i] >> shift) & 0xFF) - double((scene[i] >> shift) & 0xFF);
      squares += d * d;
    }
  }
  EXPECT_NEAR(std::sqrt(squares / (3.0 * scene.size())), reported, 0.002);
  EXPECT_GT(reported, 1.0);  // the scene's colours are not a function of luminance
}

}  // namespace
