#include "editor/panel_values.h"

bool KeepTypedPercent(double* value) {
  if (*value >= 0.0 && *value <= 100.0) return true;
  *value = *value > 100.0 ? 100.0 : 0.0;
  return false;
}

uint32_t GreyOfOpacity(double opacity) {
  const double scaled = opacity * 2.55;
  // Compared so that NaN falls to 0 rather than into the conversion.
  const double held = scaled > 255.0 ? 255.0 : (scaled > 0.0 ? scaled : 0.0);
  const uint32_t grey = static_cast<uint32_t>(held);
  return grey * 0x010101u;
}

uint32_t RedLowestFromPacked(uint32_t packed) {
  return (packed >> 16 & 0xFFu) | (packed & 0xFF00u) | (packed & 0xFFu) << 16;
}

uint32_t PackedFromRedLowest(uint32_t redLowest) { return RedLowestFromPacked(redLowest); }
