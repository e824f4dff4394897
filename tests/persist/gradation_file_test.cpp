// .grd files on the build's own file system: natively and, cross-compiled,
// under Wine.
#include "persist/gradation_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "allocation_probe.h"
#include "model/banks.h"
#include "persist/gradation_bytes.h"
#include "record_builder.h"

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> Written(const GradationData& gradation) {
  std::vector<uint8_t> bytes(WriteGradationBytes(gradation, nullptr));
  WriteGradationBytes(gradation, bytes.data());
  return bytes;
}

class GradationFile : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::temp_directory_path() / (std::string("velumbra-") + test->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    ResetBankToDefaults();
  }
  void TearDown() override {
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(folder_, ignored)) {
      fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignored);
    }
    fs::remove_all(folder_, ignored);
  }

  std::string Path(const char* name) const { return (folder_ / name).string(); }

  static void Put(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  static std::vector<uint8_t> Get(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  fs::path folder_;
};

TEST_F(GradationFile, SavedFileIsTheRecordAndLoadsIntoAnotherId) {
  AddColorStop(GradationBank[2], 30.0f, Rgb{10, 20, 30});
  AddAlphaStop(GradationBank[2], 60.0f, 25.0f);
  const std::string path = Path("three.grd");
  ASSERT_TRUE(SaveGradationFile(path.c_str(), GradationBank[2]));
  EXPECT_EQ(Get(path).size(), 8u + 7 * 3 + 8 * 3);
  ASSERT_TRUE(LoadGradationFile(path.c_str(), GradationBank[6]));
  EXPECT_EQ(Written(GradationBank[6]), Written(GradationBank[2]));

  // Saving again replaces the file and leaves nothing else in the folder.
  ClearGradation(GradationBank[2]);
  ASSERT_TRUE(SaveGradationFile(path.c_str(), GradationBank[2]));
  EXPECT_EQ(Get(path), std::vector<uint8_t>(8, 0));
  EXPECT_EQ(Files(), std::vector<std::string>{"three.grd"});
}

TEST_F(GradationFile, BytesAfterTheRecordAreIgnored) {
  const std::string path = Path("trailing.grd");
  std::vector<uint8_t> bytes = RecordBuilder().Counts(1, 0).Color(9, 8, 7, 50.0f).Build();
  const std::vector<uint8_t> record = bytes;
  bytes.insert(bytes.end(), 100, 0xEE);
  Put(path, bytes);
  ASSERT_TRUE(LoadGradationFile(path.c_str(), GradationBank[0]));
  EXPECT_EQ(Written(GradationBank[0]), record);
}

TEST_F(GradationFile, FailedLoadsLeaveTheGradationAsItWas) {
  const std::vector<uint8_t> record = DefaultRecord();
  struct Case {
    const char* name;
    std::vector<uint8_t> content;  // not written when empty and named "missing"
  } cases[] = {
      {"missing", {}},
      {"empty", {}},
      {"seven bytes", std::vector<uint8_t>(record.begin(), record.begin() + 7)},
      {"truncated record", std::vector<uint8_t>(record.begin(), record.end() - 1)},
      {"counts far past the file", RecordBuilder().Counts(0x24924925u, 0x20000000u).Build()},
  };
  const std::vector<uint8_t> before = Written(GradationBank[0]);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = Path(c.name);
    if (std::string(c.name) != "missing") Put(path, c.content);
    const AllocationProbe probe;
    EXPECT_FALSE(LoadGradationFile(path.c_str(), GradationBank[0]));
    EXPECT_LT(probe.Largest(), 1024u);  // the counts never size an allocation
    EXPECT_EQ(Written(GradationBank[0]), before);
  }
  EXPECT_FALSE(LoadGradationFile(folder_.string().c_str(), GradationBank[0]));  // a folder
  EXPECT_FALSE(LoadGradationFile(nullptr, GradationBank[0]));
  EXPECT_EQ(Written(GradationBank[0]), before);
}

TEST_F(GradationFile, FailedSavesLeaveTheExistingFileAndNoLeftovers) {
  const std::string readOnly = Path("read-only.grd");
  const std::vector<uint8_t> old = RecordBuilder().Counts(0, 0).Bytes({1, 2, 3}).Build();
  Put(readOnly, old);
  fs::permissions(readOnly,
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_FALSE(SaveGradationFile(readOnly.c_str(), GradationBank[0]));
  EXPECT_EQ(Get(readOnly), old);

  EXPECT_FALSE(SaveGradationFile(Path("no-such-folder/x.grd").c_str(), GradationBank[0]));
  EXPECT_FALSE(SaveGradationFile(nullptr, GradationBank[0]));
  EXPECT_EQ(Files(), std::vector<std::string>{"read-only.grd"});
}

}  // namespace
