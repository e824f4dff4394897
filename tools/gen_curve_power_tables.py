#!/usr/bin/env python3
"""Generates the constant tables of src/model/curve_power.cpp.

Every value is computed with 60 significant decimal digits and rounded once
to double (pairs are hi + lo with lo = RN(exact - hi)), so the tables do not
depend on any platform's libm.

Usage:
  tools/gen_curve_power_tables.py            print the generated block
  tools/gen_curve_power_tables.py --write F  replace the block in file F
"""

import argparse
import decimal
from decimal import Decimal
from fractions import Fraction
import math
import sys

decimal.getcontext().prec = 60

BEGIN = "// BEGIN GENERATED TABLES (tools/gen_curve_power_tables.py)"
END = "// END GENERATED TABLES"

# Log reduction: z in [kOffset, 2 * kOffset) picks i = round(64 z); inv1 = 64 / i
# rounded to INV1_BITS bits; w = z * inv1 - 1 picks m = round((w^2 - w) 2^14),
# inv2 = 1 + m 2^-14. Both factors are short enough that z * inv1 * inv2 - 1
# can be formed exactly from two partial products.
OFFSET_BITS = 0x3FE6A00000000000
LOG1_SCALE = 64
INV1_BITS = 10
LOG2_STEP_BITS = 14
EXP_TABLE_BITS = 10

LN2 = Decimal(2).ln()


def from_bits(b):
    import struct
    return struct.unpack("<d", struct.pack("<Q", b))[0]


def round_bits(x, bits):
    """Rounds the positive Fraction x to `bits` significant bits, ties to even."""
    e = math.floor(math.log2(x))
    while Fraction(2) ** e > x:
        e -= 1
    while Fraction(2) ** (e + 1) <= x:
        e += 1
    scale = Fraction(2) ** (bits - 1 - e)
    return Fraction(round(x * scale)) / scale


def to_double_pair(d):
    hi = float(d)
    lo = float(d - Decimal(hi))
    return hi, lo


def dec(fr):
    return Decimal(fr.numerator) / Decimal(fr.denominator)


def hexf(v):
    return v.hex()


def significant_bits(v):
    m, _ = math.frexp(v)
    n = Fraction(m)
    bits = 0
    while n.denominator != 1:
        n *= 2
        bits += 1
    return bits


def log_tables():
    offset = Fraction(from_bits(OFFSET_BITS))
    zmin, zmax = offset, 2 * offset
    imin = math.floor(zmin * LOG1_SCALE + Fraction(1, 2))
    imax = math.floor(zmax * LOG1_SCALE + Fraction(1, 2))
    if zmax * LOG1_SCALE + Fraction(1, 2) == imax:
        imax -= 1  # zmax itself is excluded
    rows1 = []
    mlo, mhi, wmax, rmax = 0, 0, Fraction(0), Fraction(0)
    step = Fraction(1, 2**LOG2_STEP_BITS)
    for i in range(imin, imax + 1):
        inv1 = round_bits(Fraction(LOG1_SCALE, i), INV1_BITS)
        lo_z = max(zmin, (i - Fraction(1, 2)) / LOG1_SCALE)
        hi_z = min(zmax, (i + Fraction(1, 2)) / LOG1_SCALE)
        for w in (lo_z * inv1 - 1, hi_z * inv1 - 1):
            wmax = max(wmax, abs(w))
            t = (w * w - w) / step
            mlo = min(mlo, math.floor(t + Fraction(1, 2)))
            mhi = max(mhi, math.floor(t + Fraction(1, 2)))
        h, l = to_double_pair(-dec(inv1).ln())
        rows1.append((i, float(inv1), h, l))
    # |1/q - 1 - (w^2 - w)| <= |w|^3 / (1 - |w|); m rounds to within step / 2.
    approx = wmax**3 / (1 - wmax)
    rmax = (1 + wmax) * (step / 2 + approx)
    # A one-step margin absorbs the rounding of q and of the index arithmetic.
    mlo -= 1
    mhi += 1
    rows2 = []
    for m in range(mlo, mhi + 1):
        inv2 = 1 + m * step
        assert significant_bits(float(inv2)) <= 15
        rows2.append(to_double_pair(-dec(inv2).ln()))
    return imin, imax, rows1, mlo, mhi, rows2, float(wmax), float(rmax)


def exp_table():
    n = 1 << EXP_TABLE_BITS
    return [to_double_pair((LN2 * j / n).exp()) for j in range(n)]


def split_constant(d, lead_bits):
    """d = a + b + c where a and b have at most lead_bits significant bits."""
    parts = []
    rest = d
    for _ in range(2):
        e = math.floor(math.log2(abs(float(rest))))
        scale = Decimal(2) ** (lead_bits - 1 - e)
        part = float((rest * scale).to_integral_value(decimal.ROUND_HALF_EVEN) / scale)
        assert significant_bits(part) <= lead_bits
        parts.append(part)
        rest -= Decimal(part)
    parts.append(float(rest))
    return parts


def generate():
    imin, imax, rows1, mlo, mhi, rows2, wmax, rmax = log_tables()
    ln2_hi = split_constant(LN2, 42)[0]
    ln2_lo = float(LN2 - Decimal(ln2_hi))
    # |k| <= 1075 (subnormal inputs), so k * ln2_hi must stay within 53 bits.
    assert significant_bits(ln2_hi) + 11 <= 53
    step = LN2 / (1 << EXP_TABLE_BITS)
    c_hi, c_mid, c_lo = split_constant(step, 32)
    out = []
    w = out.append
    w(BEGIN)
    w("// clang-format off")
    w(f"// |z * inv1 - 1| <= {wmax:.6g}; |r| <= {rmax:.6g} (2^{math.log2(rmax):.2f}).")
    w(f"constexpr uint64_t kLogOffsetBits = 0x{OFFSET_BITS:016X};")
    w(f"constexpr int kLog1First = {imin};")
    w(f"constexpr int kLog1Last = {imax};")
    w(f"constexpr int kLog2First = {mlo};")
    w(f"constexpr int kLog2Last = {mhi};")
    w(f"constexpr double kLn2Hi = {hexf(ln2_hi)};")
    w(f"constexpr double kLn2Lo = {hexf(ln2_lo)};")
    w(f"constexpr double kExpInvStep = {hexf(float(1 / step))};  // 2^{EXP_TABLE_BITS} / ln 2")
    w(f"constexpr double kExpStepHi = {hexf(c_hi)};")
    w(f"constexpr double kExpStepMid = {hexf(c_mid)};")
    w(f"constexpr double kExpStepLo = {hexf(c_lo)};")
    w("")
    w("// {inv1, -log(inv1) hi, lo} for i = kLog1First..kLog1Last.")
    w(f"constexpr LogEntry1 kLog1[{len(rows1)}] = {{")
    for i, inv1, h, l in rows1:
        w(f"    {{{hexf(inv1)}, {hexf(h)}, {hexf(l)}}},  // {i}")
    w("};")
    w("")
    w("// -log(1 + m 2^-14) hi, lo for m = kLog2First..kLog2Last.")
    w(f"constexpr DoubleDouble kLog2[{len(rows2)}] = {{")
    for h, l in rows2:
        w(f"    {{{hexf(h)}, {hexf(l)}}},")
    w("};")
    w("")
    w(f"// 2^(j / 2^{EXP_TABLE_BITS}) hi, lo.")
    w(f"constexpr DoubleDouble kExp2[{1 << EXP_TABLE_BITS}] = {{")
    for h, l in exp_table():
        w(f"    {{{hexf(h)}, {hexf(l)}}},")
    w("};")
    w("// clang-format on")
    w(END)
    return "\n".join(out) + "\n"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--write", metavar="FILE")
    args = parser.parse_args()
    block = generate()
    if not args.write:
        sys.stdout.write(block)
        return
    with open(args.write) as f:
        text = f.read()
    start = text.index(BEGIN)
    stop = text.index(END, start) + len(END) + 1
    with open(args.write, "w") as f:
        f.write(text[:start] + block + text[stop:])


if __name__ == "__main__":
    main()
