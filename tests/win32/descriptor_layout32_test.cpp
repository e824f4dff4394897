// 32-bit only: the descriptor's words at the offsets a 32-bit host reads.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "filter_harness.h"

namespace {

TEST(DescriptorLayout32, SlotWords) {
  FilterHarness host;
  ASSERT_TRUE(host.Load(VELUMBRA_LIBRARY_PATH));
  const auto* slots = reinterpret_cast<const uint32_t*>(host.descriptor());
  EXPECT_EQ(slots[0x00 / 4], 0x00044004u);
  EXPECT_EQ(slots[0x04 / 4], 0x30000000u);
  EXPECT_EQ(slots[0x08 / 4], 0x300000ACu);
  EXPECT_EQ(slots[0x10 / 4], 1u);
  EXPECT_EQ(slots[0x24 / 4], 2u);
  for (uint32_t offset : {0x34u, 0x38u, 0x3Cu, 0x40u, 0x74u, 0x78u}) {
    EXPECT_NE(slots[offset / 4], 0u) << std::hex << offset;
  }
  for (uint32_t offset = 0x44; offset <= 0x70; offset += 4) {
    if (offset == 0x54) continue;
    EXPECT_EQ(slots[offset / 4], 0u) << std::hex << offset;
  }
  EXPECT_EQ(slots[0x30 / 4], 0u);
  for (uint32_t offset : {0x7Cu, 0x80u, 0x84u, 0x88u}) EXPECT_EQ(slots[offset / 4], 0u);
}

}  // namespace
