#include "image/luminance_remap.h"

#include <immintrin.h>

// The vector paths compute the index in 16-bit lanes: for each channel c,
// ((c 256 + d) m >> 16) + e) >> 4 equals (c w + k) >> 10 for all 256 values of
// c (exhaustive search found d, m and e; the remap tests check all 16.7M
// colours on every path). Blue and red share one register as the low and high
// words of each pixel shifted left by 8, green and alpha the other as masked,
// with alpha's multiplier 0; one multiply-add then sums a pixel's three terms.
//   blue:  d 2, m 7500,  e 8      red:   d 2, m 19672, e 5
//   green: d 0, m 38618, e 11
// Table words are then read one by one: on the machines measured, scalar loads
// from indices moved out of the vector registers beat gathers, and writing
// each word beats assembling vectors of them.

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

// Two 16-bit indices per 32-bit word.
inline void RemapPair(uint32_t* pixels, uint32_t indices, const uint32_t* table) {
  pixels[0] = table[indices & 0xFFFF];
  pixels[1] = table[indices >> 16];
}

__attribute__((target("sse2"))) void RemapSse2(uint32_t* pixels, size_t count,
                                               const uint32_t* table) {
  size_t i = 0;
  for (; i + 8 <= count; i += 8) {
    const __m128i indices = _mm_packs_epi32(
        IndexSse2(_mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + i))),
        IndexSse2(_mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + i + 4))));
    RemapPair(pixels + i, static_cast<uint32_t>(_mm_cvtsi128_si32(indices)), table);
    RemapPair(pixels + i + 2, static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(indices, 4))),
              table);
    RemapPair(pixels + i + 4, static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(indices, 8))),
              table);
    RemapPair(pixels + i + 6, static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(indices, 12))),
              table);
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

// Eight of sixteen pixels from one 128-bit half of their packed indices, four
// words of two: packing works within each half, so the low half holds pixels
// 0-3 and 8-11, the high half 4-7 and 12-15.
__attribute__((target("avx2"))) inline void RemapHalf(uint32_t* pixels, __m128i indices,
                                                      const uint32_t* table) {
  RemapPair(pixels, static_cast<uint32_t>(_mm_cvtsi128_si32(indices)), table);
  RemapPair(pixels + 2, static_cast<uint32_t>(_mm_extract_epi32(indices, 1)), table);
  RemapPair(pixels + 8, static_cast<uint32_t>(_mm_extract_epi32(indices, 2)), table);
  RemapPair(pixels + 10, static_cast<uint32_t>(_mm_extract_epi32(indices, 3)), table);
}

__attribute__((target("avx2"))) void RemapAvx2(uint32_t* pixels, size_t count,
                                               const uint32_t* table) {
  size_t i = 0;
  for (; i + 16 <= count; i += 16) {
    const __m256i indices = _mm256_packs_epi32(
        IndexAvx2(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(pixels + i))),
        IndexAvx2(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(pixels + i + 8))));
    RemapHalf(pixels + i, _mm256_castsi256_si128(indices), table);
    RemapHalf(pixels + i + 4, _mm256_extracti128_si256(indices, 1), table);
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
