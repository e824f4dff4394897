#include "lua/luminance_remap.h"

#include <immintrin.h>

namespace {

void RemapScalar(uint32_t* pixels, size_t count, const uint32_t* table) {
  for (size_t i = 0; i < count; ++i) pixels[i] = table[LuminanceIndex(pixels[i])];
}

// One channel's term for four pixels. The channel sits in the low 16 bits of
// each lane with zero above, so madd with (weight, 0) is an exact 32-bit product.
__attribute__((target("sse2"))) inline __m128i ChannelTerm(__m128i pixels, int shift, int weight,
                                                           int rounding) {
  const __m128i channel =
      _mm_and_si128(_mm_srl_epi32(pixels, _mm_cvtsi32_si128(shift)), _mm_set1_epi32(0xFF));
  const __m128i product = _mm_madd_epi16(channel, _mm_set1_epi32(weight));
  return _mm_srli_epi32(_mm_add_epi32(product, _mm_set1_epi32(rounding)), 10);
}

__attribute__((target("sse2"))) inline __m128i IndexSse2(__m128i pixels) {
  return _mm_add_epi32(
      _mm_add_epi32(ChannelTerm(pixels, 16, 4918, 354), ChannelTerm(pixels, 8, 9655, 585)),
      ChannelTerm(pixels, 0, 1875, 523));
}

__attribute__((target("sse2"))) void RemapSse2(uint32_t* pixels, size_t count,
                                               const uint32_t* table) {
  size_t i = 0;
  for (; i + 8 <= count; i += 8) {
    alignas(16) uint32_t index[8];
    _mm_store_si128(reinterpret_cast<__m128i*>(index),
                    IndexSse2(_mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + i))));
    _mm_store_si128(reinterpret_cast<__m128i*>(index + 4),
                    IndexSse2(_mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + i + 4))));
    const __m128i low =
        _mm_setr_epi32(static_cast<int>(table[index[0]]), static_cast<int>(table[index[1]]),
                       static_cast<int>(table[index[2]]), static_cast<int>(table[index[3]]));
    const __m128i high =
        _mm_setr_epi32(static_cast<int>(table[index[4]]), static_cast<int>(table[index[5]]),
                       static_cast<int>(table[index[6]]), static_cast<int>(table[index[7]]));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + i), low);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + i + 4), high);
  }
  RemapScalar(pixels + i, count - i, table);
}

__attribute__((target("avx2"))) inline __m256i ChannelTermAvx2(__m256i pixels, int shift,
                                                               int weight, int rounding) {
  const __m256i channel =
      _mm256_and_si256(_mm256_srl_epi32(pixels, _mm_cvtsi32_si128(shift)), _mm256_set1_epi32(0xFF));
  const __m256i product = _mm256_madd_epi16(channel, _mm256_set1_epi32(weight));
  return _mm256_srli_epi32(_mm256_add_epi32(product, _mm256_set1_epi32(rounding)), 10);
}

__attribute__((target("avx2"))) void RemapAvx2(uint32_t* pixels, size_t count,
                                               const uint32_t* table) {
  const int* base = reinterpret_cast<const int*>(table);
  size_t i = 0;
  for (; i + 8 <= count; i += 8) {
    const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pixels + i));
    const __m256i index = _mm256_add_epi32(
        _mm256_add_epi32(ChannelTermAvx2(p, 16, 4918, 354), ChannelTermAvx2(p, 8, 9655, 585)),
        ChannelTermAvx2(p, 0, 1875, 523));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(pixels + i),
                        _mm256_i32gather_epi32(base, index, 4));
  }
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
