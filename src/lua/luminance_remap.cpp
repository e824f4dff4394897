#include "lua/luminance_remap.h"

#include <immintrin.h>

// The vector paths compute the index in 16-bit lanes: for each channel c,
// ((c 256 + d) m >> 16) + e) >> 4 equals (c w + k) >> 10 for all 256 values of
// c (exhaustive search found d, m and e; the remap tests check all 16.7M
// colours on every path). Blue and red share one register as the low and high
// words of each pixel shifted left by 8, green and alpha the other as masked,
// with alpha's multiplier 0; one multiply-add then sums a pixel's three terms.
//   blue:  d 2, m 7500,  e 8      red:   d 2, m 19672, e 5
//   green: d 0, m 38618, e 11
// Table words are then read one by one: the indices, packed two to a 32-bit
// word, go through a small array and come back a pair per load. On the
// machines measured this beats gathers, moving each index out of the vector
// registers, reading each index alone, and assembling vectors of words: it
// balances the load ports against instruction issue.

namespace {

void RemapScalar(uint32_t* pixels, size_t count, const uint32_t* table) {
  for (size_t i = 0; i < count; ++i) pixels[i] = table[LuminanceIndex(pixels[i])];
}

constexpr int kBlueRedRounding = 0x00020002;
constexpr int kBlueRedMultiplier = 19672 << 16 | 7500;
constexpr int kBlueRedOffset = 5 << 16 | 8;
constexpr int kGreenMask = static_cast<int>(0xFF00FF00u);
constexpr int kGreenMultiplier = 38618;
constexpr int kGreenOffset = 11;

__attribute__((target("sse2"))) inline __m128i IndexSse2(__m128i pixels) {
  const __m128i blueRed = _mm_or_si128(_mm_slli_epi16(pixels, 8), _mm_set1_epi32(kBlueRedRounding));
  const __m128i greenAlpha = _mm_and_si128(pixels, _mm_set1_epi32(kGreenMask));
  const __m128i blueRedTerms =
      _mm_srli_epi16(_mm_add_epi16(_mm_mulhi_epu16(blueRed, _mm_set1_epi32(kBlueRedMultiplier)),
                                   _mm_set1_epi32(kBlueRedOffset)),
                     4);
  const __m128i greenTerm =
      _mm_srli_epi16(_mm_add_epi16(_mm_mulhi_epu16(greenAlpha, _mm_set1_epi32(kGreenMultiplier)),
                                   _mm_set1_epi32(kGreenOffset)),
                     4);
  return _mm_madd_epi16(_mm_add_epi16(blueRedTerms, greenTerm), _mm_set1_epi16(1));
}

// Sixteen pixels from their indices, two to a word: pair j holds the indices
// of pixels order[j] and order[j] + 1.
inline void RemapPairs(uint32_t* pixels, uint32_t pairs[8], const uint32_t* table,
                       const int order[8]) {
  // Left alone, the compiler would move the pairs out of the vector register
  // instead of loading them back: the very trade this arrangement avoids.
  __asm__("" : "+m"(*reinterpret_cast<uint32_t(*)[8]>(pairs)));
#pragma GCC unroll 8
  for (int j = 0; j < 8; ++j) {
    pixels[order[j]] = table[pairs[j] & 0xFFFF];
    pixels[order[j] + 1] = table[pairs[j] >> 16];
  }
}

__attribute__((target("sse2"))) void RemapSse2(uint32_t* pixels, size_t count,
                                               const uint32_t* table) {
  static constexpr int kOrder[8] = {0, 2, 4, 6, 8, 10, 12, 14};
  alignas(16) uint32_t pairs[8];
  size_t i = 0;
  for (; i + 16 <= count; i += 16) {
    const __m128i* source = reinterpret_cast<const __m128i*>(pixels + i);
    _mm_store_si128(reinterpret_cast<__m128i*>(pairs),
                    _mm_packs_epi32(IndexSse2(_mm_loadu_si128(source)),
                                    IndexSse2(_mm_loadu_si128(source + 1))));
    _mm_store_si128(reinterpret_cast<__m128i*>(pairs + 4),
                    _mm_packs_epi32(IndexSse2(_mm_loadu_si128(source + 2)),
                                    IndexSse2(_mm_loadu_si128(source + 3))));
    RemapPairs(pixels + i, pairs, table, kOrder);
  }
  RemapScalar(pixels + i, count - i, table);
}

__attribute__((target("avx2"))) inline __m256i IndexAvx2(__m256i pixels) {
  const __m256i blueRed =
      _mm256_or_si256(_mm256_slli_epi16(pixels, 8), _mm256_set1_epi32(kBlueRedRounding));
  const __m256i greenAlpha = _mm256_and_si256(pixels, _mm256_set1_epi32(kGreenMask));
  const __m256i blueRedTerms = _mm256_srli_epi16(
      _mm256_add_epi16(_mm256_mulhi_epu16(blueRed, _mm256_set1_epi32(kBlueRedMultiplier)),
                       _mm256_set1_epi32(kBlueRedOffset)),
      4);
  const __m256i greenTerm = _mm256_srli_epi16(
      _mm256_add_epi16(_mm256_mulhi_epu16(greenAlpha, _mm256_set1_epi32(kGreenMultiplier)),
                       _mm256_set1_epi32(kGreenOffset)),
      4);
  return _mm256_madd_epi16(_mm256_add_epi16(blueRedTerms, greenTerm), _mm256_set1_epi16(1));
}

__attribute__((target("avx2"))) void RemapAvx2(uint32_t* pixels, size_t count,
                                               const uint32_t* table) {
  // Packing works within each 128-bit half: the low half holds pixels 0-3 and
  // 8-11, the high half 4-7 and 12-15.
  static constexpr int kOrder[8] = {0, 2, 8, 10, 4, 6, 12, 14};
  alignas(32) uint32_t pairs[8];
  size_t i = 0;
  for (; i + 16 <= count; i += 16) {
    const __m256i* source = reinterpret_cast<const __m256i*>(pixels + i);
    _mm256_store_si256(reinterpret_cast<__m256i*>(pairs),
                       _mm256_packs_epi32(IndexAvx2(_mm256_loadu_si256(source)),
                                          IndexAvx2(_mm256_loadu_si256(source + 1))));
    RemapPairs(pixels + i, pairs, table, kOrder);
  }
  // The compiler leaves the upper register halves dirty in functions built for
  // AVX by attribute; legacy SSE code after it, ours or the host's, would pay.
  _mm256_zeroupper();
  RemapScalar(pixels + i, count - i, table);
}

}  // namespace

void RemapByLuminance(uint32_t* pixels, size_t count, const uint32_t table[kLuminanceLevels],
                      SimdPath path) {
  switch (path) {
    case SimdPath::Avx2:
      RemapAvx2(pixels, count, table);
      return;
    case SimdPath::Sse2:
      RemapSse2(pixels, count, table);
      return;
    case SimdPath::Scalar:
      break;
  }
  RemapScalar(pixels, count, table);
}
