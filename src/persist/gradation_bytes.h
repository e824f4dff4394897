// The gradation record, the one byte form of a gradation: the whole of a .grd
// file, and each of the bank's entries in the project block. Little-endian,
// packed, with nothing but the two counts ahead of the stops:
//   uint32 n, uint32 m,
//   n colour stops {uint8 red, green, blue; float32 position},
//   m transparency stops {float32 opacity; float32 position}.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/gradation.h"

constexpr size_t kRecordHeaderSize = 8;
constexpr size_t kColorStopRecordSize = 7;
constexpr size_t kAlphaStopRecordSize = 8;

// 8 + 7n + 8m, in 64 bits so that no count can wrap it.
uint64_t GradationRecordLength(const GradationData& gradation);
// The same for the counts in a record's first kRecordHeaderSize bytes.
uint64_t GradationRecordLength(const uint8_t* header);

// Returns the record's length; with `out` not null also writes the record
// there. Callers measure first and provide that many bytes.
uint32_t WriteGradationBytes(const GradationData& gradation, uint8_t* out);

// What a reader does with positions outside 0..100. Files, presets and the
// clipboard come from elsewhere and are held to the bar; the project block is
// the bank's own copy, and gives back what scripts stored there, since
// SetGradationData stores any position as given.
enum class RecordPositions { Clamped, AsStored };

// Replaces `gradation` with the record at `in`, clamping positions into
// 0..100 unless told otherwise, and sorting, and returns the record's length.
// Returns 0, leaving the gradation as it was, when `available` bytes do not
// hold the whole record. Never reads past the record or past `available`.
size_t ReadGradationBytes(GradationData& gradation, const uint8_t* in, size_t available,
                          RecordPositions positions = RecordPositions::Clamped);
