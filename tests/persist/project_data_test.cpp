// The project hooks driven as the host drives them: the save hook measured
// with no buffer, then given one; the load hook given bytes and a size.
#include <gtest/gtest.h>

#include <limits>
#include <utility>
#include <vector>

#include "filter/project_callbacks.h"
#include "model/banks.h"
#include "persist/gradation_bytes.h"
#include "record_builder.h"

namespace {

using SaveHook = int32_t (*)(FilterRecord*, void*, void*, int32_t*);
using LoadHook = int32_t (*)(FilterRecord*, void*, void*, int32_t);
const SaveHook kSave = &SaveProjectData;
const LoadHook kLoad = &LoadProjectData;

std::vector<uint8_t> SavedBlock() {
  int32_t size = -1;
  EXPECT_EQ(kSave(nullptr, nullptr, nullptr, &size), 1);
  std::vector<uint8_t> buffer(static_cast<size_t>(size) + 16, 0xAB);
  EXPECT_EQ(kSave(nullptr, nullptr, buffer.data(), &size), 1);
  // The write call fills exactly the measured length.
  EXPECT_EQ(std::vector<uint8_t>(buffer.end() - 16, buffer.end()), std::vector<uint8_t>(16, 0xAB));
  buffer.resize(static_cast<size_t>(size));
  return buffer;
}

void MarkBank() {
  for (int32_t i = 0; i < kBankSize; ++i) GradationBank[i] = Untouched(static_cast<float>(i));
}

int32_t LeadingLoaded() {
  int32_t loaded = 0;
  while (loaded < kBankSize && !IsUntouched(GradationBank[loaded], static_cast<float>(loaded))) {
    ++loaded;
  }
  for (int32_t i = loaded; i < kBankSize; ++i) {
    EXPECT_TRUE(IsUntouched(GradationBank[i], static_cast<float>(i))) << "entry " << i;
  }
  return loaded;
}

TEST(ProjectData, DefaultBankIs1902BytesOfCount50AndWorkedExamples) {
  ResetBankToDefaults();
  const std::vector<uint8_t> block = SavedBlock();
  ASSERT_EQ(block.size(), 1902u);
  EXPECT_EQ(block[0], 0x32);
  EXPECT_EQ(block[1], 0x00);
  const std::vector<uint8_t> record = DefaultRecord();
  for (size_t i = 0; i < 50; ++i) {
    EXPECT_TRUE(std::equal(record.begin(), record.end(), block.begin() + 2 + 38 * i)) << i;
  }
}

TEST(ProjectData, ScratchGradationsAreNotInTheBlock) {
  ResetBankToDefaults();
  const std::vector<uint8_t> before = SavedBlock();
  AddColorStop(ScratchBank[0], 30.0f, Rgb{1, 2, 3});
  AddAlphaStop(ScratchBank[9], 30.0f, 50.0f);
  EXPECT_EQ(SavedBlock(), before);
  ClearGradation(ScratchBank[0]);
  ClearGradation(ScratchBank[9]);
}

TEST(ProjectData, RoundTripRestoresEveryBankGradation) {
  ResetBankToDefaults();
  for (int32_t i = 0; i < kBankSize; ++i) {
    for (int32_t k = 0; k < i % 4; ++k) AddColorStop(GradationBank[i], 10.0f * k, Rgb{1, 2, 3});
    if (i % 3 == 0) ClearGradation(GradationBank[i]);
  }
  std::vector<uint8_t> block = SavedBlock();
  MarkBank();
  EXPECT_EQ(kLoad(nullptr, nullptr, block.data(), static_cast<int32_t>(block.size())), 1);
  EXPECT_EQ(LeadingLoaded(), kBankSize);
  EXPECT_EQ(SavedBlock(), block);
}

// Scripts store any position; the project gives them back unclamped, so a
// gradation renders the same after the host saved and reopened the project.
TEST(ProjectData, PositionsAScriptStoredOutsideTheBarSurviveTheRoundTrip) {
  ResetBankToDefaults();
  const float inf = std::numeric_limits<float>::infinity();
  GradationData& stored = GradationBank[43];
  ClearGradation(stored);
  for (float position : {-inf, -8.0f, 18.0f, 100.5f, inf}) {
    AddColorStop(stored, position, Rgb{9, 8, 7});
    AddAlphaStop(stored, position, 40.0f);
  }
  const GradationData before = stored;
  std::vector<uint8_t> block = SavedBlock();
  MarkBank();
  EXPECT_EQ(kLoad(nullptr, nullptr, block.data(), static_cast<int32_t>(block.size())), 1);
  ASSERT_EQ(stored.colorStops.size(), before.colorStops.size());
  for (size_t i = 0; i < before.colorStops.size(); ++i) {
    EXPECT_EQ(stored.colorStops[i].position, before.colorStops[i].position) << i;
    EXPECT_EQ(stored.alphaStops[i].position, before.alphaStops[i].position) << i;
  }
  EXPECT_EQ(SavedBlock(), block);
  ResetBankToDefaults();
}

TEST(ProjectData, DamagedBlocksLoadWhatIsWholeAndNeverWritePastTheBank) {
  const std::vector<uint8_t> record = DefaultRecord();
  auto block = [&](uint16_t count, int records) {
    RecordBuilder builder;
    builder.U16(count);
    for (int i = 0; i < records; ++i) builder.Bytes(record);
    return builder.Build();
  };
  const int32_t full = 2 + 50 * 38;
  // `bytes` is the whole buffer the hook gets; `size` what the host says it holds.
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    int32_t size;
    int32_t loaded;
  } cases[] = {
      {"count 3 of 50", block(3, 50), full, 3},
      {"count 0", block(0, 5), 2 + 5 * 38, 0},
      {"negative count", block(0xFFFF, 5), 2 + 5 * 38, 0},
      {"no bytes", {}, 0, 0},
      {"half a count", {0x32}, 1, 0},
      {"count 60, 60 records", block(60, 60), 2 + 60 * 38, 50},
      {"fifth record truncated", block(50, 5), 2 + 4 * 38 + 37, 4},
      {"size cuts the block short", block(50, 50), 2 + 10 * 38, 10},
      {"negative size", block(50, 1), -1, 0},
      {"zero size", block(50, 50), 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MarkBank();
    std::vector<uint8_t> bytes = c.bytes;  // exact size: AddressSanitizer sees any read past it
    EXPECT_EQ(kLoad(nullptr, nullptr, bytes.data(), c.size), 1);
    EXPECT_EQ(LeadingLoaded(), c.loaded);
    for (int32_t i = 0; i < c.loaded; ++i) {
      std::vector<uint8_t> written(WriteGradationBytes(GradationBank[i], nullptr));
      WriteGradationBytes(GradationBank[i], written.data());
      EXPECT_EQ(written, record) << "entry " << i;
    }
  }
  ResetBankToDefaults();
}

}  // namespace

namespace {

std::vector<std::pair<int32_t, int32_t>> g_replaced;  // first ID, count

// The editor learns which entries a load replaced, and only those.
TEST(ProjectData, LoadsReportTheEntriesTheyReplaced) {
  ResetBankToDefaults();
  std::vector<uint8_t> block = SavedBlock();
  g_replaced.clear();
  SetBankChangeListener([](const BankChange& change) {
    if (change.reason == BankChangeReason::ProjectLoad) {
      g_replaced.emplace_back(change.firstId, change.count);
    }
  });
  block[0] = 3;  // count 3
  kLoad(nullptr, nullptr, block.data(), static_cast<int32_t>(block.size()));
  block[0] = 0;  // count 0: nothing
  kLoad(nullptr, nullptr, block.data(), static_cast<int32_t>(block.size()));
  kLoad(nullptr, nullptr, nullptr, 100);  // no bytes at all
  SetBankChangeListener(nullptr);
  const std::vector<std::pair<int32_t, int32_t>> expected = {{1, 3}};
  EXPECT_EQ(g_replaced, expected);
}

}  // namespace
