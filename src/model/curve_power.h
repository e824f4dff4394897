// Curve power built from IEEE double +, -, *, / only: bit-identical on every build and FPU mode.
#pragma once

// base^exponent, correctly rounded in practice. Zero, one, infinities and NaN behave as in C pow
// (NaN results are the default quiet NaN), except that -0 counts as +0 and a negative base gives
// NaN.
double CurvePower(double base, double exponent);

// How far CurvePowerEstimate may stray: |estimate - base^exponent| <= this * base^exponent + 2^-60.
constexpr double kCurvePowerEstimateError = 0x1p-30;

// A cheap first try for callers that need only a rounded consequence of the power and can tell
// when an estimate settles it, taking CurvePower when it does not. Defined for a base in
// [2^-126, 1] (a normal float: the curve's bases all are floats) and exponent in [1/16, 16];
// anywhere else it returns -1.
double CurvePowerEstimate(float base, double exponent);

// CurvePowerEstimate for each of `count` bases: independent estimates overlap in the pipeline.
void CurvePowerEstimates(const float* bases, int count, double exponent, double* powers);
