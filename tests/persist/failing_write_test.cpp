// A save that the file system cuts short, as a full disk does: the process's
// file-size limit makes the real writes fail part-way, through the same
// stream calls a full disk would fail.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "model/banks.h"
#include "persist/gradation_file.h"

namespace fs = std::filesystem;

namespace {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);  // fail the write instead of the process
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit previous_{};
  void (*previousHandler_)(int);
};

std::vector<char> Get(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<char>(std::istreambuf_iterator<char>(in), {});
}

TEST(FailingWrite, SaveThatRunsOutOfSpaceKeepsTheOldFile) {
  const fs::path folder = fs::temp_directory_path() / "velumbra-failing-write";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const fs::path target = folder / "kept.grd";
  const std::vector<char> old(20, 'x');
  std::ofstream(target, std::ios::binary)
      .write(old.data(), static_cast<std::streamsize>(old.size()));

  // 38 bytes fail in the flush at close; 20 008 bytes fail in fwrite itself,
  // past the stream's buffer.
  for (int colorStops : {2, 2857}) {
    SCOPED_TRACE(colorStops);
    ClearGradation(GradationBank[0]);
    for (int i = 0; i < colorStops; ++i) AddColorStop(GradationBank[0], 0.0f, Rgb{});
    AddAlphaStop(GradationBank[0], 0.0f, 100.0f);
    AddAlphaStop(GradationBank[0], 100.0f, 100.0f);
    bool saved;
    {
      FileSizeLimit limit(16);
      saved = SaveGradationFile(target.string().c_str(), GradationBank[0]);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(Get(target), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
  }
  // The same save without the limit goes through.
  EXPECT_TRUE(SaveGradationFile(target.string().c_str(), GradationBank[0]));
  EXPECT_EQ(Get(target).size(), 8u + 7 * 2857 + 16);
  fs::remove_all(folder);
  ResetBankToDefaults();
}

}  // namespace
