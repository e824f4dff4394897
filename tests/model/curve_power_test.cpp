#include "model/curve_power.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <sstream>
#include <string>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kEditorExponent = 4.0f / 3.0f;  // 1.3333334f

uint64_t Bits(double x) {
  uint64_t u;
  std::memcpy(&u, &x, sizeof u);
  return u;
}

// SplitMix64, so every build draws the same inputs.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
    return z ^ (z >> 31);
  }
  // A float in [0, 1]: uniform, or spread evenly over the binades down to subnormals.
  float Fraction() {
    if (Next() & 1) return static_cast<float>(Next() >> 40) * 0x1p-24f;
    const uint32_t bits = static_cast<uint32_t>(Next() % 0x3F800001);
    float t;
    std::memcpy(&t, &bits, sizeof t);
    return t;
  }
  // The evaluator's bases, 2t and 2(1 - t).
  double CurveBase() {
    const double t = Fraction();
    return (Next() & 1) ? 2.0 * t : 2.0 * (1.0 - t);
  }
  // Any positive finite double, subnormals included.
  double Positive() {
    const uint64_t bits = 1 + Next() % 0x7FEFFFFFFFFFFFFF;
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
  }
  // A double in [2^-300, 2^300] whose significand has exactly `bits` bits: such powers are
  // often exact or exactly halfway between two doubles.
  double Short(int bits) {
    const uint64_t odd = (Next() >> (65 - bits)) | (uint64_t{1} << (bits - 1)) | 1;
    return std::ldexp(static_cast<double>(odd), static_cast<int>(Next() % 601) - 300 - bits);
  }

 private:
  uint64_t state_;
};

// Bit equality, with every NaN alike.
::testing::AssertionResult Same(double want, double got) {
  if ((std::isnan(want) && std::isnan(got)) || Bits(want) == Bits(got)) {
    return ::testing::AssertionSuccess();
  }
  std::ostringstream message;
  message << std::hexfloat << "got " << got << ", want " << want;
  return ::testing::AssertionFailure() << message.str();
}

TEST(CurvePower, SpecialCases) {
  const double kTiny = 0x1p-1074;
  const double kOneUp = 1.0 + 0x1p-52;
  struct Case {
    double base, exponent, want;
  } cases[] = {
      {0.0, kEditorExponent, 0.0},
      {-0.0, kEditorExponent, 0.0},
      {0.0, -0.5, kInf},
      {-0.0, -3.0, kInf},
      {0.0, 0.0, 1.0},
      {0.0, kInf, 0.0},
      {0.0, -kInf, kInf},
      {0.0, kNaN, kNaN},
      {1.0, kNaN, 1.0},
      {1.0, -kInf, 1.0},
      {1.0, -1e300, 1.0},
      {kNaN, 0.0, 1.0},
      {kNaN, -0.0, 1.0},
      {kNaN, kEditorExponent, kNaN},
      {0.5, kNaN, kNaN},
      {kInf, 2.0, kInf},
      {kInf, -2.0, 0.0},
      {kInf, -kInf, 0.0},
      {0.5, kInf, 0.0},
      {0.5, -kInf, kInf},
      {2.0, kInf, kInf},
      {2.0, -kInf, 0.0},
      {-1.0, 2.0, kNaN},
      {-0.5, kEditorExponent, kNaN},
      {-kInf, 2.0, kNaN},
      {-kTiny, 0.5, kNaN},
      // Overflow, underflow and ties on the subnormal grid, which round to even.
      {2.0, 1023.0, 0x1p1023},
      {2.0, 1024.0, kInf},
      {0.5, -1024.0, kInf},
      {2.0, -1022.0, 0x1p-1022},
      {2.0, -1074.0, kTiny},
      {2.0, -1075.0, 0.0},
      {4.0, -537.5, 0.0},
      {2.0, -1074.5, kTiny},
      {kTiny, 0.5, 0x1p-537},
      {kTiny, -0.5, 0x1p537},
      {0x1p-25, 43.0, 0.0},
      {0x1p43, -25.0, 0.0},
      {3 * 0x1p-215, 5.0, 122 * kTiny},           // 3^5 / 2 = 121.5
      {5 * 0x1p-215, 5.0, 1562 * kTiny},          // 5^5 / 2 = 1562.5
      {3 * 0x1p-43, 25.0, 423644304722 * kTiny},  // 3^25 / 2 = 423644304721.5
      {3.0, 1e6, kInf},
      {3.0, -1e6, 0.0},
      // Exponents whose size alone decides.
      {kOneUp, 0x1p64, kInf},
      {1.0 - 0x1p-53, 0x1p64, 0.0},
      {kOneUp, -0x1p64, 0.0},
      {kOneUp, 0x1p63, kInf},
      {2.0, 1e-300, 1.0},
      {2.0, -kTiny, 1.0},
      {kTiny, 0x1p-81, 1.0},
      {DBL_MAX, -0x1p-81, 1.0},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(Same(c.want, CurvePower(c.base, c.exponent)))
        << std::hexfloat << c.base << " ^ " << c.exponent;
  }
}

// Powers that IEEE arithmetic rounds correctly by itself, on every build. The short significands
// make the cubes and the 27-bit squares land exactly halfway between doubles at times.
TEST(CurvePower, MatchesCorrectlyRoundedIdentities) {
  struct Row {
    const char* name;
    double exponent;
    double (*base)(Random&);
    double (*want)(double);
  } rows[] = {
      {"x^1", 1.0, [](Random& r) { return r.Positive(); }, [](double x) { return x; }},
      {"x^2", 2.0, [](Random& r) { return r.Positive(); }, [](double x) { return x * x; }},
      {"x^-1", -1.0, [](Random& r) { return r.Positive(); }, [](double x) { return 1.0 / x; }},
      {"x^0.5", 0.5, [](Random& r) { return r.Positive(); }, [](double x) { return std::sqrt(x); }},
      {"27-bit x^2", 2.0, [](Random& r) { return r.Short(27); }, [](double x) { return x * x; }},
      {"18-bit x^3", 3.0, [](Random& r) { return r.Short(18); },
       [](double x) { return x * x * x; }},
      {"(18-bit s)^2 ^ 1.5", 1.5,
       [](Random& r) {
         const double s = r.Short(18);
         return s * s;
       },
       [](double x) { return std::sqrt(x) * x; }},
  };
  Random random(1);
  for (const Row& row : rows) {
    int failures = 0;
    for (int i = 0; i < 100000 && failures < 5; ++i) {
      const double x = row.base(random);
      const ::testing::AssertionResult same = Same(row.want(x), CurvePower(x, row.exponent));
      if (!same) ++failures;
      EXPECT_TRUE(same) << row.name << " at x = " << std::hexfloat << x;
    }
  }
}

#if defined(__GNUC__) && (defined(__i386__) || defined(__x86_64__))
uint16_t X87ControlWord() {
  uint16_t word;
  __asm__ volatile("fnstcw %0" : "=m"(word));
  return word;
}
void SetX87ControlWord(uint16_t word) { __asm__ volatile("fldcw %0" : : "m"(word)); }
#endif

TEST(CurvePower, SameBitsAtEveryX87Precision) {
#if defined(__GNUC__) && (defined(__i386__) || defined(__x86_64__))
  constexpr int kCount = 20000;
  static double base[kCount], exponent[kCount], want[kCount];
  Random random(2);
  for (int i = 0; i < kCount; ++i) {
    base[i] = (i % 7 == 0) ? random.Positive() : random.CurveBase();
    const uint32_t bits = static_cast<uint32_t>(random.Next());
    float any;
    std::memcpy(&any, &bits, sizeof any);
    exponent[i] = (i % 3 == 0) ? kEditorExponent : (i % 3 == 1) ? random.Fraction() * 8.0 : any;
    want[i] = CurvePower(base[i], exponent[i]);
  }
  const uint16_t saved = X87ControlWord();
  for (const uint16_t precision : {0x000, 0x200, 0x300}) {  // 24, 53 and 64 bits
    SetX87ControlWord(static_cast<uint16_t>((saved & ~0x300) | precision));
    int failures = 0;
    for (int i = 0; i < kCount && failures < 5; ++i) {
      const double got = CurvePower(base[i], exponent[i]);
      if (Bits(got) != Bits(want[i])) ++failures;
    }
    SetX87ControlWord(saved);
    EXPECT_EQ(failures, 0) << "precision control " << precision;
  }
#else
  GTEST_SKIP() << "no x87 unit";
#endif
}

#if defined(__x86_64__) && defined(__GLIBC__)
// The power rounded to double from x86-64's 64-bit-significand powl. False where the long double
// lies within two of its ulps of a midpoint between doubles: rounding it again can then differ
// from rounding the exact power once.
bool LongDoubleReference(double base, double exponent, double* want) {
  static_assert(LDBL_MANT_DIG == 64, "x87 extended precision expected");
  const long double power = powl(base, exponent);
  *want = static_cast<double>(power);
  if (static_cast<long double>(*want) == power || std::isinf(*want)) return true;
  const double other = std::nextafter(*want, power > *want ? kInf : 0.0);
  const long double midpoint = (static_cast<long double>(*want) + other) / 2;
  return std::fabs(power - midpoint) > std::ldexp(2.0L, std::ilogb(power) - 63);
}
#endif

struct ExponentSource {
  const char* name;
  double (*draw)(Random&);
};

void PrintTo(const ExponentSource& source, std::ostream* os) { *os << source.name; }

class CurvePowerReference : public ::testing::TestWithParam<ExponentSource> {};

TEST_P(CurvePowerReference, MatchesLongDoubleAndMostlyGlibc) {
#if defined(__x86_64__) && defined(__GLIBC__)
  constexpr int kCount = 300000;
  Random random(3);
  int compared = 0, mismatched = 0, glibcSame = 0, glibcFar = 0;
  for (int i = 0; i < kCount; ++i) {
    const double base = random.CurveBase();
    const double exponent = GetParam().draw(random);
    const double got = CurvePower(base, exponent);
    double want;
    if (LongDoubleReference(base, exponent, &want)) {
      ++compared;
      if (Bits(got) != Bits(want) && ++mismatched <= 5) {
        ADD_FAILURE() << std::hexfloat << base << " ^ " << exponent << ": got " << got << ", want "
                      << want;
      }
    }
    // glibc's pow is not correctly rounded: it may differ, by one ulp at most.
    const double glibc = std::pow(base, exponent);
    if (Bits(got) == Bits(glibc)) {
      ++glibcSame;
    } else if (std::nextafter(glibc, got) != got) {
      ++glibcFar;
    }
  }
  std::printf("[ %s ] %d inputs, %d compared with powl (%d mismatched), glibc pow equal on %d\n",
              GetParam().name, kCount, compared, mismatched, glibcSame);
  EXPECT_EQ(mismatched, 0);
  EXPECT_GE(compared, kCount * 99 / 100);
  EXPECT_GE(glibcSame, kCount * 999 / 1000);
  EXPECT_EQ(glibcFar, 0);
#else
  GTEST_SKIP() << "needs x86-64 glibc powl as the reference";
#endif
}

INSTANTIATE_TEST_SUITE_P(
    Exponents, CurvePowerReference,
    ::testing::Values(ExponentSource{"editor", [](Random&) { return kEditorExponent; }},
                      ExponentSource{"(0, 8]",
                                     [](Random& r) {
                                       return static_cast<double>((r.Next() >> 40) + 1) * 0x1p-21;
                                     }}),
    [](const ::testing::TestParamInfo<ExponentSource>& info) {
      return info.index == 0 ? std::string("Editor") : std::string("UpToEight");
    });

}  // namespace
