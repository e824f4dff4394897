// Other colour models as straight sRGB, for readers of files that store
// colours in them. Every result is clamped into 0..1; alpha is 1.
#pragma once

#include "interchange/source_gradient.h"

// Hue in degrees (any, taken modulo 360), saturation and brightness in 0..1.
SourceColor HsbToSrgb(double hueDegrees, double saturation, double brightness);

// Ink fractions 0..1, converted naively without a profile: r = (1-c)(1-k).
SourceColor CmykToSrgb(double cyan, double magenta, double yellow, double black);

// CIE Lab relative to the D50 white (L 0..100), Bradford-adapted to D65 and
// encoded with the sRGB transfer curve; out-of-gamut colours are clamped.
SourceColor LabD50ToSrgb(double lightness, double a, double b);
