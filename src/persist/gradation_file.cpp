#include "persist/gradation_file.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <utility>

#include "persist/file_system.h"
#include "persist/gradation_bytes.h"
#include "persist/whole_file.h"

namespace {

// Reads the header first: the counts decide how much is read, and a dropped
// file that is no gradation at all costs eight bytes.
bool ReadRecordInto(FILE* file, GradationData& gradation) {
  if (std::fseek(file, 0, SEEK_END) != 0) return false;
  const long size = std::ftell(file);
  if (size < 0 || std::fseek(file, 0, SEEK_SET) != 0) return false;
  uint8_t header[kRecordHeaderSize];
  if (static_cast<unsigned long>(size) < kRecordHeaderSize ||
      std::fread(header, 1, kRecordHeaderSize, file) != kRecordHeaderSize) {
    return false;
  }
  const uint64_t length = GradationRecordLength(header);
  if (length > static_cast<unsigned long>(size)) return false;  // truncated

  const auto bytes = static_cast<size_t>(length);
  std::unique_ptr<uint8_t[]> record(new (std::nothrow) uint8_t[bytes]);
  if (!record) return false;
  std::memcpy(record.get(), header, kRecordHeaderSize);
  const size_t rest = bytes - kRecordHeaderSize;
  if (std::fread(record.get() + kRecordHeaderSize, 1, rest, file) != rest) return false;
  return ReadGradationBytes(gradation, record.get(), bytes) == bytes;
}

}  // namespace

bool LoadGradationFile(const char* path, GradationData& gradation) {
  if (path == nullptr) return false;
  FILE* file = OpenForReading(path);
  if (file == nullptr) return false;
  GradationData loaded;
  const bool whole = ReadRecordInto(file, loaded);
  std::fclose(file);
  if (whole) gradation = std::move(loaded);
  return whole;
}

bool SaveGradationFile(const char* path, const GradationData& gradation) {
  if (path == nullptr) return false;
  const uint32_t length = WriteGradationBytes(gradation, nullptr);
  std::unique_ptr<uint8_t[]> record(new (std::nothrow) uint8_t[length]);
  if (!record) return false;
  WriteGradationBytes(gradation, record.get());
  return WriteFileAtomically(path, {reinterpret_cast<const char*>(record.get()), length});
}
