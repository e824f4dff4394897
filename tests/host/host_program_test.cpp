// velumbra-host.exe as users run it, against the shipped library: screenshots,
// scripts in the host's process and project files through the hooks. Every
// run is bounded; a host that hangs fails its test.
#include <gtest/gtest.h>
#include <windows.h>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#include <stb/stb_image.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/file_bytes.h"

namespace {

constexpr DWORD kRunTimeoutMs = 90 * 1000;
constexpr int kWidth = 418;  // the filter window's client size
constexpr int kHeight = 250;

struct HostRun {
  DWORD exitCode = 0xFFFFFFFF;
  bool timedOut = false;
  std::string output;  // stdout and stderr together
};

std::string Folder() {
  static const std::string folder = [] {
    CreateDirectoryA(VELUMBRA_HOST_TEST_DIR, nullptr);
    return std::string(VELUMBRA_HOST_TEST_DIR) + "/";
  }();
  return folder;
}

std::string WriteScript(const char* name, const char* text) {
  const std::string path = Folder() + name;
  FILE* file = std::fopen(path.c_str(), "w");
  if (file != nullptr) {
    std::fputs(text, file);
    std::fclose(file);
  }
  return path;
}

HostRun RunHost(const std::string& arguments) {
  HostRun run;
  // A file per run: the previous run's handle may outlive its process briefly.
  static int runs = 0;
  const std::string outputPath = Folder() + "output" + std::to_string(++runs) + ".txt";
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE output = CreateFileA(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (output == INVALID_HANDLE_VALUE) {
    run.output = "cannot create " + outputPath + ": error " + std::to_string(GetLastError());
    return run;
  }
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = output;
  startup.hStdError = output;
  std::string commandLine = "\"" VELUMBRA_HOST_PATH "\" " + arguments;
  PROCESS_INFORMATION process = {};
  const BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                      nullptr, nullptr, &startup, &process);
  CloseHandle(output);
  if (!started) {
    run.output = "cannot start the host: error " + std::to_string(GetLastError());
    return run;
  }
  if (WaitForSingleObject(process.hProcess, kRunTimeoutMs) == WAIT_TIMEOUT) {
    run.timedOut = true;
    TerminateProcess(process.hProcess, 99);
    WaitForSingleObject(process.hProcess, 5000);
  }
  GetExitCodeProcess(process.hProcess, &run.exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  const std::vector<uint8_t> text = ReadFileBytes(outputPath);
  run.output.assign(text.begin(), text.end());
  return run;
}

struct Image {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

Image ReadPng(const std::string& path) {
  Image image;
  const std::vector<uint8_t> png = ReadFileBytes(path);
  if (png.empty()) return image;
  int channels = 0;
  unsigned char* rgb = stbi_load_from_memory(png.data(), static_cast<int>(png.size()), &image.width,
                                             &image.height, &channels, 3);
  if (rgb == nullptr) return image;
  for (int i = 0; i < image.width * image.height; ++i) {
    image.pixels.push_back(uint32_t{rgb[i * 3]} << 16 | uint32_t{rgb[i * 3 + 1]} << 8 |
                           rgb[i * 3 + 2]);
  }
  stbi_image_free(rgb);
  return image;
}

uint32_t ButtonFace() {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  return uint32_t{GetRValue(face)} << 16 | uint32_t{GetGValue(face)} << 8 | GetBValue(face);
}

// A run that must succeed and leave a full-size screenshot.
Image Screenshot(const std::string& name, const std::string& arguments) {
  const std::string png = Folder() + name;
  std::remove(png.c_str());
  const HostRun run = RunHost(arguments + " --screenshot \"" + png + "\"");
  EXPECT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  Image image = ReadPng(png);
  EXPECT_EQ(image.width, kWidth);
  EXPECT_EQ(image.height, kHeight);
  if (image.width != kWidth || image.height != kHeight) image.pixels.clear();
  return image;
}

// Bar columns 9 + i show position i x 100 / 400 (W = 418); rows 91-120.
constexpr int kBarRow = 105;
constexpr int kFirstColumn = 9;     // position 0
constexpr int kMiddleColumn = 209;  // position 50
constexpr int kLastColumn = 408;    // position 99.75

int CountDifferent(const Image& image, int top, int bottom, uint32_t colour) {
  int count = 0;
  for (int y = top; y <= bottom; ++y) {
    for (int x = 0; x < image.width; ++x) count += image.At(x, y) != colour;
  }
  return count;
}

TEST(HostProgram, ShowsTheHostControlsCanvasAndPanel) {
  const Image image = Screenshot("default.png", "");
  ASSERT_FALSE(image.pixels.empty());
  const uint32_t face = ButtonFace();
  EXPECT_EQ(image.At(2, 100), face);  // canvas background beside the bar
  // The frame, and the default gradation black to white at ID 1.
  EXPECT_EQ(image.At(8, kBarRow), 0x000000u);
  EXPECT_EQ(image.At(409, kBarRow), 0x000000u);
  EXPECT_EQ(image.At(kMiddleColumn, 90), 0x000000u);
  EXPECT_EQ(image.At(kMiddleColumn, 121), 0x000000u);
  EXPECT_EQ(image.At(kFirstColumn, kBarRow), 0x000000u);
  const uint32_t last = image.At(kLastColumn, kBarRow);
  EXPECT_GE(last & 0xFF, 0xF0u);
  EXPECT_EQ(last, (last & 0xFF) * 0x010101u);  // grey
  const uint32_t middle = image.At(kMiddleColumn, kBarRow);
  EXPECT_EQ(middle, (middle & 0xFF) * 0x010101u);
  EXPECT_NEAR(static_cast<int>(middle & 0xFF), 128, 1);
  // The host's track bar and buttons above the canvas, and the panel's two
  // group boxes, whose lower edge (row 241) must be inside the window.
  EXPECT_GT(CountDifferent(image, 0, 77, face), 500);
  EXPECT_GT(CountDifferent(image, 236, 241, face), 300);
}

TEST(HostProgram, ScriptsChangeWhatTheEditorShows) {
  const std::string script =
      WriteScript("red.lua",
                  "Velumbra.SetGradationData(1,\n"
                  "  {{value = 0xFF0000, point = 0}, {value = 0xFF0000, point = 100}},\n"
                  "  {{value = 100, point = 0}, {value = 100, point = 100}})\n");
  const Image image = Screenshot("red.png", "--script \"" + script + "\"");
  ASSERT_FALSE(image.pixels.empty());
  for (int x : {kFirstColumn, kMiddleColumn, kLastColumn}) {
    EXPECT_EQ(image.At(x, kBarRow), 0xFF0000u) << "column " << x;
  }
}

TEST(HostProgram, ProjectFilesCarryTheBankAcrossRuns) {
  const std::string project = Folder() + "project.dat";
  std::remove(project.c_str());
  const std::string setBlue =
      WriteScript("blue.lua",
                  "Velumbra.SetGradationData(4,\n"
                  "  {{value = 0x0000FF, point = 0}, {value = 0x0000FF, point = 100}},\n"
                  "  {{value = 100, point = 0}, {value = 100, point = 100}})\n");
  const HostRun save =
      RunHost("--batch --script \"" + setBlue + "\" --project-save \"" + project + "\"");
  ASSERT_FALSE(save.timedOut);
  ASSERT_EQ(save.exitCode, 0u) << save.output;
  // 50 gradations of two colour and two transparency stops: 2 + 50 x 38 bytes.
  const std::vector<uint8_t> bytes = ReadFileBytes(project);
  ASSERT_EQ(bytes.size(), 1902u);
  EXPECT_EQ(bytes[0], 0x32);
  EXPECT_EQ(bytes[1], 0x00);

  // Loaded before the first update, so the editor shows it at once; the
  // script sees the same bank.
  const std::string check = WriteScript(
      "check-blue.lua",
      "local colours = Velumbra.GetGradationData(4)\n"
      "assert(#colours == 2 and colours[1].value == 255, 'project data not in the bank')\n");
  const Image loaded = Screenshot(
      "loaded.png", "--id 4 --project-load \"" + project + "\" --script \"" + check + "\"");
  ASSERT_FALSE(loaded.pixels.empty());
  EXPECT_EQ(loaded.At(kMiddleColumn, kBarRow), 0x0000FFu);

  // Without the project the same ID shows the default.
  const Image fresh = Screenshot("fresh.png", "--id 4");
  ASSERT_FALSE(fresh.pixels.empty());
  EXPECT_NE(fresh.At(kMiddleColumn, kBarRow), 0x0000FFu);
}

// The canvas menu, opened inside the host's call and captured from the menu's
// own modal loop, lies over the window from the right-clicked point on. It
// is taller than the rest of the window, so the picture grows downwards.
TEST(HostProgram, ContextMenuShowsOverTheWindow) {
  const Image plain = Screenshot("plain.png", "");
  const std::string png = Folder() + "menu.png";
  std::remove(png.c_str());
  const HostRun run = RunHost("--context-menu 150,80 --screenshot \"" + png + "\"");
  ASSERT_EQ(run.exitCode, 0u) << run.output;
  const Image menu = ReadPng(png);
  ASSERT_FALSE(plain.pixels.empty());
  ASSERT_EQ(menu.width, kWidth);
  ASSERT_GT(menu.height, kHeight);
  int outside = 0, inside = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (plain.At(x, y) != menu.At(x, y)) ++(x < 150 || y < 80 ? outside : inside);
    }
  }
  EXPECT_EQ(outside, 0);
  EXPECT_GT(inside, 5000);
}

TEST(HostProgram, FailuresAreReportedWithTheirExitCodes) {
  const std::string failing = WriteScript("fail.lua", "\nerror('deliberate failure')\n");
  struct Case {
    std::string arguments;
    DWORD exitCode;
    const char* output;
  } cases[] = {
      {"--help", 0, "--screenshot FILE.png"},
      {"--frobnicate", 2, "unknown option --frobnicate"},
      {"--batch --id 51", 2, "--id 51 is outside 1 to 50"},
      {"--batch --id 0", 2, "--id 0 is outside 1 to 50"},
      {"--batch Z:/no/such/plugin.auf", 1, "cannot load Z:/no/such/plugin.auf"},
      {"--batch --script \"" + failing + "\"", 1, ":2: deliberate failure"},
      {"--batch --project-load \"" + Folder() + "absent.dat\"", 1, "cannot open"},
      {"--context-menu 10,10 --screenshot \"" + Folder() + "none.png\"", 1,
       "no context menu opened at 10,10"},
  };
  for (const Case& c : cases) {
    const HostRun run = RunHost(c.arguments);
    EXPECT_FALSE(run.timedOut) << c.arguments;
    EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments << "\n" << run.output;
    EXPECT_NE(run.output.find(c.output), std::string::npos) << c.arguments << "\n" << run.output;
  }
}

}  // namespace
