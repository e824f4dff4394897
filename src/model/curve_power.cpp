#include "model/curve_power.h"

#include <emmintrin.h>

#include <cfloat>
#include <cstdint>
#include <cstring>
#include <limits>

// The error-free transformations below assume every double operation is rounded exactly once.
#if defined(FLT_EVAL_METHOD) && FLT_EVAL_METHOD != 0
#error "curve_power.cpp needs double evaluation in double precision (use -msse2 -mfpmath=sse)"
#endif
#if defined(__FAST_MATH__)
#error "curve_power.cpp must not be built with -ffast-math"
#endif

namespace {

// hi + lo with |lo| about ulp(hi) / 2 or less.
struct DoubleDouble {
  double hi, lo;
};

struct LogEntry1 {
  double inv, logHi, logLo;
};

#include "model/curve_power_tables.inc"

static_assert(sizeof kLog1 / sizeof kLog1[0] == kLog1Last - kLog1First + 1, "log table 1 range");
static_assert(sizeof kLog2 / sizeof kLog2[0] == kLog2Last - kLog2First + 1, "log table 2 range");

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr uint64_t kSignBit = uint64_t{1} << 63;
constexpr uint64_t kMinNormalBits = 0x0010000000000000;  // 2^-1022
constexpr uint64_t kInfinityBits = 0x7FF0000000000000;
// Outside [2^-80, 2^64) the exponent alone settles the result once the base is neither 0 nor 1.
constexpr uint64_t kTinyExponentBits = 0x3AF0000000000000;
constexpr uint64_t kHugeExponentBits = 0x43F0000000000000;
// Adding this rounds a double below 2^51 in magnitude to an integer held in the low mantissa
// bits: shorter latency than a conversion, and no out-of-range conversion is possible.
constexpr double kRoundShift = 0x1.8p52;

uint64_t Bits(double x) {
  uint64_t u;
  std::memcpy(&u, &x, sizeof u);
  return u;
}

double FromBits(uint64_t u) {
  double x;
  std::memcpy(&x, &u, sizeof x);
  return x;
}

// Exact when |a| >= |b| or a == 0.
DoubleDouble FastTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

DoubleDouble TwoSum(double a, double b) {
  const double s = a + b;
  const double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

// Dekker's split and product: exact while |a|, |b| < 2^996 and nothing underflows.
DoubleDouble Split(double a) {
  const double t = 134217729.0 * a;  // 2^27 + 1
  const double hi = t - (t - a);
  return {hi, a - hi};
}

DoubleDouble TwoProduct(double a, double b) {
  const double p = a * b;
  const DoubleDouble x = Split(a);
  const DoubleDouble y = Split(b);
  return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

// log x for x = 2^k * FromBits(ix), ix a positive normal. Relative error about 2^-90, rising to
// 2^-82 within 2^-7 of 1. Left unnormalized, |lo| < 2^-48 |hi|, which spares the caller's critical
// path a renormalization.
DoubleDouble Log(uint64_t ix, int k) {
  // x = 2^kz z with z in [offset, 2 offset), so both sides of 1 share the exact entry log 1 = 0.
  const int kz = static_cast<int>((ix - kLogOffsetBits + (uint64_t{2048} << 52)) >> 52) - 2048;
  const uint64_t iz = ix - (static_cast<uint64_t>(static_cast<int64_t>(kz)) << 52);
  const double z = FromBits(iz);
  const double kd = k + kz;
  const DoubleDouble kLn2 = FastTwoSum(kd * kLn2Hi, kd * kLn2Lo);  // ready long before the rest

  // z * inv1 * inv2 = 1 + r with |r| < 2^-14.9. inv1 has 10 bits and inv2 15, so with z split
  // into 28 + 25 bits both partial products are exact and r comes out as an exact pair.
  const uint64_t i = Bits(z * 64.0 + kRoundShift) - Bits(kRoundShift);
  const LogEntry1& e1 = kLog1[i - kLog1First];
  const double w = z * e1.inv - 1.0;
  // 1/(1 + w) - 1 ~ w^2 - w, good to 2^-19 here.
  const double mShifted = (w * w - w) * 16384.0 + kRoundShift;
  const DoubleDouble& e2 = kLog2[Bits(mShifted) - Bits(kRoundShift) - kLog2First];
  const double invc = e1.inv * (1.0 + (mShifted - kRoundShift) * 0x1p-14);
  const double zh = FromBits(iz & ~uint64_t{0x1FFFFFF});
  const DoubleDouble r = TwoSum(zh * invc - 1.0, (z - zh) * invc);

  // log1p r = r - r^2/2 + r^3 (1/3 - r/4 + r^2/5 - r^3/6) + O(2^-104). The square is kept exact;
  // the cubic tail is below 2^-45, so plain doubles suffice there, but it joins the high part so
  // that lo stays within a few ulps of hi.
  const DoubleDouble sq = TwoProduct(r.hi, r.hi);
  const double tail = r.hi * sq.hi * ((1.0 / 3 - 0.25 * r.hi) + sq.hi * (0.2 + r.hi * (-1.0 / 6)));
  const DoubleDouble c = FastTwoSum(-0.5 * sq.hi, tail);
  const DoubleDouble u = FastTwoSum(r.hi, c.hi);
  const double uLo = u.lo + (r.lo + (c.lo - (0.5 * sq.lo + r.hi * r.lo)));

  // Magnitudes decrease term by term (|log inv1| > 2^-6.1 > |log inv2| unless a term is 0, and
  // |log inv2| > 2^-14 > |r| likewise), so each step is an exact FastTwoSum.
  const DoubleDouble s1 = FastTwoSum(kLn2.hi, e1.logHi);
  const DoubleDouble s2 = FastTwoSum(s1.hi, e2.hi);
  const DoubleDouble s3 = FastTwoSum(s2.hi, u.hi);
  return {s3.hi, (kLn2.lo + (e1.logLo + e2.lo)) + ((s1.lo + s2.lo) + (s3.lo + uLo))};
}

// The power as (hi + lo) 2^scale, hi in [0.999, 2.001].
struct Scaled {
  double hi, lo;
  int scale;
};

// e^(ah + al) for |ah| <= 746, |al| < 2^-39, with relative error about 2^-88.
Scaled Exp(double ah, double al) {
  // a = n ln2 / 1024 + h + l with |h| <= 2^-11.5. The step's leading parts have 29 and 32 bits,
  // so their products with |n| < 2^21 are exact, and so is the first difference.
  const double shifted = ah * kExpInvStep + kRoundShift;
  const double nd = shifted - kRoundShift;
  const uint64_t nb = Bits(shifted) - Bits(kRoundShift) + (uint64_t{1} << 40);  // n + 2^40 > 0
  const DoubleDouble& t = kExp2[nb & 1023];
  const DoubleDouble s = TwoSum(ah - nd * kExpStepHi, -(nd * kExpStepMid));
  // l (< 2^-39) stays unnormalized and enters through its low-order terms below.
  const double h = s.hi;
  const double l = s.lo + (al - nd * kExpStepLo);

  // e^(h + l) - 1 = h + h^2/2 + h^3 (1/6 + h/24 + h^2/120 + h^3/720)
  //               + l (1 + h + h^2/2 + h^3/6) + l^2/2 + O(2^-89).
  const DoubleDouble sq = TwoProduct(h, h);
  const double tail =
      h * sq.hi * ((1.0 / 6 + h * (1.0 / 24)) + sq.hi * (1.0 / 120 + h * (1.0 / 720)));
  const double cross = l * (h + sq.hi * (0.5 + h * (1.0 / 6))) + 0.5 * l * l;
  const DoubleDouble q = FastTwoSum(h, 0.5 * sq.hi);
  const double qLo = q.lo + (l + ((0.5 * sq.lo + tail) + cross));

  // 2^(j/1024) (1 + q), with 2^(j/1024) in [1, 2) dominating.
  const DoubleDouble p = TwoProduct(t.hi, q.hi);
  const DoubleDouble v = FastTwoSum(t.hi, p.hi);
  const double vLo = v.lo + (p.lo + (t.hi * qLo + (t.lo + t.lo * q.hi)));
  return {v.hi, vLo, static_cast<int>(nb >> 10) - (1 << 30)};
}

// d = odd 2^scale.
struct Dyadic {
  uint64_t odd;
  int scale;
};

Dyadic ToDyadic(double positive) {
  const uint64_t b = Bits(positive);
  const int biased = static_cast<int>(b >> 52);
  Dyadic d = {b & 0xFFFFFFFFFFFFF, biased == 0 ? -1074 : biased - 1075};
  if (biased != 0) d.odd |= uint64_t{1} << 52;
  while ((d.odd & 1) == 0) {
    d.odd >>= 1;
    ++d.scale;
  }
  return d;
}

// The square root of v < 2^54 if v is a perfect square, else 0.
uint64_t ExactSqrt(uint64_t v) {
  uint64_t lo = 0, hi = uint64_t{1} << 27;  // root in [lo, hi)
  while (hi - lo > 1) {
    const uint64_t mid = (lo + hi) / 2;
    (mid * mid <= v ? lo : hi) = mid;
  }
  return lo * lo == v ? lo : 0;
}

// Whether base^exponent == odd 2^scale exactly, for base > 0 and a finite nonzero exponent.
// Only powers like that can sit exactly on a rounding boundary.
bool IsExactPower(double base, double exponent, uint64_t odd, int scale) {
  const Dyadic x = ToDyadic(base);
  if (x.odd == 1) {  // the power is 2^(x.scale exponent)
    const DoubleDouble e = TwoProduct(x.scale, exponent);
    return odd == 1 && e.lo == 0.0 && e.hi == scale;
  }
  // Otherwise exponent = n / 2^k (n odd, or k = 0) with n > 0, and x.odd must be some s^(2^k)
  // with s^n = odd. s >= 3 and odd < 2^54 leave only k <= 5 and n <= 34.
  if (exponent < 0.0) return false;
  const Dyadic y = ToDyadic(exponent);
  const int k = y.scale < 0 ? -y.scale : 0;
  if (k > 5 || y.scale > 5 || x.scale % (1 << k) != 0) return false;
  const uint64_t n = y.odd << (y.scale > 0 ? y.scale : 0);
  if (n > 34) return false;
  uint64_t root = x.odd;
  for (int i = 0; i < k; ++i) {
    if ((root = ExactSqrt(root)) == 0) return false;
  }
  uint64_t power = 1;
  for (uint64_t i = 0; i < n; ++i) {
    if (power > odd / root) return false;
    power *= root;
  }
  return power == odd && x.scale / (1 << k) * static_cast<int>(n) == scale;
}

// RN(v), with v's error (2^-74 at worst in testing) covered by a window of 2^-67 around rounding
// boundaries.
// A boundary inside the window is either the exact power, which then rounds to even, or so close
// to it that the approximation's side is kept.
double Round(const Scaled& v, double base, double exponent) {
  double r = v.hi + v.lo;
  const double below = v.hi + (v.lo - 0x1p-67);
  const double above = v.hi + (v.lo + 0x1p-67);
  if (below != above) {
    const uint64_t b = Bits(below);
    const uint64_t mantissa = (b & 0xFFFFFFFFFFFFF) | (uint64_t{1} << 52);
    if (IsExactPower(base, exponent, 2 * mantissa + 1, static_cast<int>(b >> 52) - 1076 + v.scale))
      r = (mantissa & 1) ? above : below;
  }
  const uint64_t rb = Bits(r);
  const int biased = static_cast<int>(rb >> 52) + v.scale;
  if (biased >= 2047) return kInfinity;
  if (biased > 0)
    return FromBits(rb + (static_cast<uint64_t>(static_cast<int64_t>(v.scale)) << 52));

  // Subnormal: scale to M = v 2^1022 < 1 and round 1 + M, whose ulp 2^-52 is the subnormal
  // spacing 2^-1074 scaled the same way. scale >= -1077, so the factor is normal.
  const double factor = FromBits(static_cast<uint64_t>(2045 + v.scale) << 52);  // 2^(scale+1022)
  const double mh = v.hi * factor;
  const double hi = 1.0 + mh;
  const double lo = ((1.0 - hi) + mh) + v.lo * factor;
  const double window = mh * 0x1p-67;
  double c = hi + lo;
  const double cBelow = hi + (lo - window);
  const double cAbove = hi + (lo + window);
  if (cBelow != cAbove) {
    const uint64_t units = Bits(cBelow) - Bits(1.0);  // multiples of 2^-1074 below the boundary
    if (IsExactPower(base, exponent, 2 * units + 1, -1075)) c = (units & 1) ? cAbove : cBelow;
  }
  return (c - 1.0) * 0x1p-1022;
}

}  // namespace

double CurvePower(double base, double exponent) {
  uint64_t ix = Bits(base);
  const uint64_t iy = Bits(exponent) & ~kSignBit;
  int k = 0;
  if (ix - kMinNormalBits >= kInfinityBits - kMinNormalBits ||
      iy - kTinyExponentBits >= kHugeExponentBits - kTinyExponentBits) {
    if (exponent == 0.0 || base == 1.0) return 1.0;
    if (base != base || exponent != exponent || base < 0.0) return kNaN;
    if (base == 0.0) return exponent < 0.0 ? kInfinity : 0.0;  // -0 included
    if (base == kInfinity) return exponent < 0.0 ? 0.0 : kInfinity;
    // |log base| >= 2^-53, so |exponent log base| >= 2^11: far past overflow or underflow.
    if (iy >= kHugeExponentBits) return (base > 1.0) == (exponent > 0.0) ? kInfinity : 0.0;
    // |exponent log base| < 2^-70, and e^a rounds to 1.
    if (iy < kTinyExponentBits) return 1.0;
    ix = Bits(base * 0x1p52);  // subnormal base
    k = -52;
  }
  const DoubleDouble log = Log(ix, k);
  const DoubleDouble product = TwoProduct(exponent, log.hi);
  if (!(product.hi <= 710.0)) return kInfinity;  // e^710 > DBL_MAX
  if (product.hi < -746.0) return 0.0;           // e^-746 < 2^-1076, which rounds to 0
  return Round(Exp(product.hi, product.lo + exponent * log.lo), base, exponent);
}

namespace {

// Exact powers of two for the estimate, which scales by table lookups rather than by assembling
// bit patterns: on the 32-bit build those cost a trip through memory each.
struct PowersOfTwo {
  double low[32];       // 2^0 .. 2^31
  double high[4];       // 2^0, 2^32, 2^64, 2^96
  double negative[64];  // 2^0 .. 2^-63
};

constexpr PowersOfTwo MakePowersOfTwo() {
  PowersOfTwo p{};
  double v = 1.0;
  for (int i = 0; i < 32; ++i, v *= 2.0) p.low[i] = v;
  v = 1.0;
  for (int i = 0; i < 4; ++i, v *= 4294967296.0) p.high[i] = v;
  v = 1.0;
  for (int i = 0; i < 64; ++i, v *= 0.5) p.negative[i] = v;
  return p;
}

constexpr PowersOfTwo kPowersOfTwo = MakePowersOfTwo();
constexpr uint32_t kLogOffsetFloatBits = 0x3F350000;  // kLogOffsetBits as a float
static_assert(kLogOffsetBits == ((uint64_t{kLogOffsetFloatBits >> 23} + 1023 - 127) << 52 |
                                 uint64_t{kLogOffsetFloatBits & 0x7FFFFF} << 29),
              "regenerated log tables need a matching float offset");

inline double Estimate(float base, double exponent) {
  if (!(base >= 0x1p-126f && base <= 1.0f && exponent >= 0.0625 && exponent <= 16.0)) return -1.0;
  // The exact path's reductions in plain doubles. Every rounding below is relative 2^-53 of a
  // term no larger than |exponent log base| <= 42 once past the cut-off, and the shortened series
  // add less than 2^-46, so the power comes out within about 2^-44 of its value: the promised
  // 2^-30 leaves a wide margin.
  uint32_t bits;
  std::memcpy(&bits, &base, sizeof bits);
  // base = 2^kz z with z in [offset, 2 offset), so both sides of 1 share the exact entry log 1 = 0.
  const int32_t kz = static_cast<int32_t>(bits - kLogOffsetFloatBits) >> 23;  // -127..0
  const uint32_t up = static_cast<uint32_t>(-kz);
  const double z = base * kPowersOfTwo.low[up & 31] * kPowersOfTwo.high[up >> 5];
  const LogEntry1& e1 = kLog1[static_cast<int>(z * 64.0 + 0.5) - kLog1First];
  const double r = z * e1.inv - 1.0;  // |r| < 0.0114: the series' r^7 / 7 term is below 2^-48
  // Estrin's scheme: a shorter chain of dependent operations than Horner's.
  const double r2 = r * r;
  const double log1pR =
      r + r2 * ((-0.5 + r * (1.0 / 3)) + r2 * ((-0.25 + r * 0.2) + r2 * (-1.0 / 6)));
  const double kd = kz;
  const double log = kd * kLn2Hi + (e1.logHi + (log1pR + kd * kLn2Lo));
  const double a = exponent * log;
  if (a < -42.0) return 0.0;  // e^-42 < 2^-60

  // a = n ln2 / 1024 + h with n truncated, so |h| < 2^-10.5 and h^4 / 24 stays below 2^-46.
  const int32_t n = static_cast<int32_t>(a * kExpInvStep);  // -62047..0
  const double nd = n;
  const double h = (a - nd * kExpStepHi) - nd * kExpStepMid;
  const double q = h + h * h * (0.5 + h * (1.0 / 6 + h * (1.0 / 24)));
  return kExp2[n & 1023].hi * (1.0 + q) * kPowersOfTwo.negative[-(n >> 10)];
}

// Two estimates at once in SSE2, which both builds have: lane by lane the very operations of
// Estimate, so the results are its bits, with half the instructions in flight per estimate.
inline __m128d PowerOfTwo(__m128i exponents) {  // 2^e for the low two int32 lanes, -1022..1023
  const __m128i biased = _mm_add_epi32(exponents, _mm_set1_epi32(1023));  // positive
  return _mm_castsi128_pd(_mm_slli_epi64(_mm_unpacklo_epi32(biased, _mm_setzero_si128()), 52));
}

inline __m128d LoadPair(const double* a, const double* b) {
  return _mm_loadh_pd(_mm_load_sd(a), b);
}

inline int Lane(__m128i v, int lane) {
  return _mm_cvtsi128_si32(lane == 0 ? v : _mm_srli_si128(v, 4));
}

// False when either base is outside the domain; the caller then takes Estimate.
inline bool Estimate2(const float* bases, __m128d exponent, double* powers) {
  const __m128 floats = _mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(bases)));
  const __m128 inside = _mm_and_ps(_mm_cmpge_ps(floats, _mm_set1_ps(0x1p-126f)),
                                   _mm_cmple_ps(floats, _mm_set1_ps(1.0f)));
  if ((_mm_movemask_ps(inside) & 3) != 3) return false;
  const __m128i kz = _mm_srai_epi32(
      _mm_sub_epi32(_mm_castps_si128(floats), _mm_set1_epi32(kLogOffsetFloatBits)), 23);
  const __m128d z =
      _mm_mul_pd(_mm_cvtps_pd(floats), PowerOfTwo(_mm_sub_epi32(_mm_setzero_si128(), kz)));
  const __m128i i =
      _mm_cvttpd_epi32(_mm_add_pd(_mm_mul_pd(z, _mm_set1_pd(64.0)), _mm_set1_pd(0.5)));
  const LogEntry1& e0 = kLog1[Lane(i, 0) - kLog1First];
  const LogEntry1& e1 = kLog1[Lane(i, 1) - kLog1First];
  const __m128d r = _mm_sub_pd(_mm_mul_pd(z, LoadPair(&e0.inv, &e1.inv)), _mm_set1_pd(1.0));
  const __m128d r2 = _mm_mul_pd(r, r);
  const __m128d inner = _mm_add_pd(_mm_add_pd(_mm_set1_pd(-0.25), _mm_mul_pd(r, _mm_set1_pd(0.2))),
                                   _mm_mul_pd(r2, _mm_set1_pd(-1.0 / 6)));
  const __m128d outer = _mm_add_pd(
      _mm_add_pd(_mm_set1_pd(-0.5), _mm_mul_pd(r, _mm_set1_pd(1.0 / 3))), _mm_mul_pd(r2, inner));
  const __m128d log1pR = _mm_add_pd(r, _mm_mul_pd(r2, outer));
  const __m128d kd = _mm_cvtepi32_pd(kz);
  const __m128d log =
      _mm_add_pd(_mm_mul_pd(kd, _mm_set1_pd(kLn2Hi)),
                 _mm_add_pd(LoadPair(&e0.logHi, &e1.logHi),
                            _mm_add_pd(log1pR, _mm_mul_pd(kd, _mm_set1_pd(kLn2Lo)))));
  const __m128d a = _mm_mul_pd(exponent, log);
  // Lanes past the cut-off compute on -42 and give 0.
  const __m128d beyond = _mm_cmplt_pd(a, _mm_set1_pd(-42.0));
  const __m128d bounded = _mm_max_pd(a, _mm_set1_pd(-42.0));
  const __m128i n = _mm_cvttpd_epi32(_mm_mul_pd(bounded, _mm_set1_pd(kExpInvStep)));
  const __m128d nd = _mm_cvtepi32_pd(n);
  const __m128d h = _mm_sub_pd(_mm_sub_pd(bounded, _mm_mul_pd(nd, _mm_set1_pd(kExpStepHi))),
                               _mm_mul_pd(nd, _mm_set1_pd(kExpStepMid)));
  const __m128d poly = _mm_add_pd(
      _mm_set1_pd(0.5),
      _mm_mul_pd(h, _mm_add_pd(_mm_set1_pd(1.0 / 6), _mm_mul_pd(h, _mm_set1_pd(1.0 / 24)))));
  const __m128d q = _mm_add_pd(h, _mm_mul_pd(_mm_mul_pd(h, h), poly));
  const __m128d table = LoadPair(&kExp2[Lane(n, 0) & 1023].hi, &kExp2[Lane(n, 1) & 1023].hi);
  const __m128d power = _mm_mul_pd(_mm_mul_pd(table, _mm_add_pd(_mm_set1_pd(1.0), q)),
                                   PowerOfTwo(_mm_srai_epi32(n, 10)));
  _mm_storeu_pd(powers, _mm_andnot_pd(beyond, power));
  return true;
}

}  // namespace

double CurvePowerEstimate(float base, double exponent) { return Estimate(base, exponent); }

void CurvePowerEstimates(const float* bases, int count, double exponent, double* powers) {
  int i = 0;
  if (exponent >= 0.0625 && exponent <= 16.0) {
    const __m128d exponents = _mm_set1_pd(exponent);
    for (; i + 2 <= count; i += 2) {
      if (!Estimate2(bases + i, exponents, powers + i)) {
        powers[i] = Estimate(bases[i], exponent);
        powers[i + 1] = Estimate(bases[i + 1], exponent);
      }
    }
  }
  for (; i < count; ++i) powers[i] = Estimate(bases[i], exponent);
}
