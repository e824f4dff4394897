// What the soak test reads from inside its probed link of the library: the
// bank's invariants, which need the stops' serials, and the editor's selection,
// which the panel must show. Nothing of this is in the shipped library.
#pragma once

#include <cstdint>

struct BankProbe {
  int32_t shownId;  // 0 before the first update
  int32_t colorSelected, alphaSelected;
  uint32_t color;  // 0xRRGGBB of the selected colour stop
  float colorPosition, alphaPosition, opacity;
  int32_t canUndo, canRedo;  // the shown ID's history
  char problem[256];         // empty while every invariant holds
};

// Fills the probe; the function the probed library exports under kBankProbeName.
using BankProbeFunction = void (*)(BankProbe* probe);
constexpr const char* kBankProbeName = "VelumbraBankProbe";
