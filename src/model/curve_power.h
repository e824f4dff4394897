// Curve power built from IEEE double +, -, *, / only: bit-identical on every build and FPU mode.
#pragma once

// base^exponent, correctly rounded in practice. Zero, one, infinities and NaN behave as in C pow
// (NaN results are the default quiet NaN), except that -0 counts as +0 and a negative base gives
// NaN.
double CurvePower(double base, double exponent);
