#include "image/simd_dispatch.h"

#include <cpuid.h>

#include <cstdint>

namespace {

bool CpuHasSse2() {
  unsigned a, b, c, d;
  return __get_cpuid(1, &a, &b, &c, &d) && (d & bit_SSE2) != 0;
}

// AVX2 needs the CPU's support and the operating system's saving of the
// upper register halves (OSXSAVE plus the XCR0 bits for SSE and AVX state).
bool CpuHasAvx2() {
  unsigned a, b, c, d;
  if (!__get_cpuid(1, &a, &b, &c, &d)) return false;
  if ((c & bit_OSXSAVE) == 0 || (c & bit_AVX) == 0) return false;
  uint32_t xcr0Low, xcr0High;
  __asm__("xgetbv" : "=a"(xcr0Low), "=d"(xcr0High) : "c"(0));
  if ((xcr0Low & 0x6) != 0x6) return false;
  if (!__get_cpuid_count(7, 0, &a, &b, &c, &d)) return false;
  return (b & bit_AVX2) != 0;
}

}  // namespace

bool SimdPathSupported(SimdPath path) {
  switch (path) {
    case SimdPath::Scalar:
      return true;
    case SimdPath::Sse2:
      return CpuHasSse2();
    case SimdPath::Avx2:
      return CpuHasAvx2();
  }
  return false;
}

SimdPath FastestSimdPath() {
  static const SimdPath fastest = SimdPathSupported(SimdPath::Avx2)   ? SimdPath::Avx2
                                  : SimdPathSupported(SimdPath::Sse2) ? SimdPath::Sse2
                                                                      : SimdPath::Scalar;
  return fastest;
}

const char* SimdPathName(SimdPath path) {
  switch (path) {
    case SimdPath::Scalar:
      return "scalar";
    case SimdPath::Sse2:
      return "sse2";
    case SimdPath::Avx2:
      return "avx2";
  }
  return "?";
}
