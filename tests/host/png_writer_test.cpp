#include "png_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/png_encoding.h"
#include "support/file_bytes.h"

namespace {

// The encoding itself is tested with the shared encoder.
TEST(PngWriter, WritesTheOpaqueEncodingOrReportsFailure) {
  const uint32_t pixels[] = {0xAB123456, 0x00654321};
  const std::string path = testing::TempDir() + "png_writer_test.png";
  ASSERT_TRUE(WritePngFile(path, pixels, 2, 1));
  const std::vector<uint8_t> bytes = ReadFileBytes(path);
  std::remove(path.c_str());
  EXPECT_EQ(bytes, EncodePng(pixels, 2, 1, false));
  EXPECT_FALSE(bytes.empty());
  EXPECT_FALSE(WritePngFile(testing::TempDir() + "no-such-folder/x.png", pixels, 2, 1));
  EXPECT_FALSE(WritePngFile(path, pixels, 0, 1));
}

}  // namespace
