#include "interchange/color_models.h"

#include <algorithm>
#include <cmath>

namespace {

double Clamp01(double value) { return std::min(1.0, std::max(0.0, value)); }

SourceColor Clamped(double red, double green, double blue) {
  return SourceColor{Clamp01(red), Clamp01(green), Clamp01(blue), 1.0};
}

double EncodeSrgb(double linear) {
  if (linear <= 0.0031308) return 12.92 * linear;
  return 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
}

// The inverse of Lab's cube-root companding.
double LabInverse(double f) {
  constexpr double kEpsilon = 6.0 / 29.0;
  if (f > kEpsilon) return f * f * f;
  return 3.0 * kEpsilon * kEpsilon * (f - 4.0 / 29.0);
}

}  // namespace

SourceColor HsbToSrgb(double hueDegrees, double saturation, double brightness) {
  double hue = std::isfinite(hueDegrees) ? std::fmod(hueDegrees, 360.0) : 0.0;
  if (hue < 0.0) hue += 360.0;
  const double s = Clamp01(saturation);
  const double v = Clamp01(brightness);
  const double sector = hue / 60.0;
  const int index = std::min(5, static_cast<int>(sector));
  const double fraction = sector - index;
  const double p = v * (1.0 - s);
  const double q = v * (1.0 - s * fraction);
  const double t = v * (1.0 - s * (1.0 - fraction));
  switch (index) {
    case 0:
      return Clamped(v, t, p);
    case 1:
      return Clamped(q, v, p);
    case 2:
      return Clamped(p, v, t);
    case 3:
      return Clamped(p, q, v);
    case 4:
      return Clamped(t, p, v);
    default:
      return Clamped(v, p, q);
  }
}

SourceColor CmykToSrgb(double cyan, double magenta, double yellow, double black) {
  const double white = 1.0 - Clamp01(black);
  return Clamped((1.0 - Clamp01(cyan)) * white, (1.0 - Clamp01(magenta)) * white,
                 (1.0 - Clamp01(yellow)) * white);
}

SourceColor LabD50ToSrgb(double lightness, double a, double b) {
  const double fy = (lightness + 16.0) / 116.0;
  // The D50 white point.
  const double x = 0.96422 * LabInverse(fy + a / 500.0);
  const double y = 1.00000 * LabInverse(fy);
  const double z = 0.82521 * LabInverse(fy - b / 200.0);
  // XYZ (D50) to linear sRGB, with the Bradford adaptation to D65 folded in.
  const double red = 3.1338561 * x - 1.6168667 * y - 0.4906146 * z;
  const double green = -0.9787684 * x + 1.9161415 * y + 0.0334540 * z;
  const double blue = 0.0719453 * x - 0.2289914 * y + 1.4052427 * z;
  return Clamped(EncodeSrgb(Clamp01(red)), EncodeSrgb(Clamp01(green)), EncodeSrgb(Clamp01(blue)));
}
