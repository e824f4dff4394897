// 8BGR gradient files, version 5: the gradient preset packs of a widely used
// raster editor. They share the .grd extension with this editor's own
// one-gradient record, so they are told apart by the signature alone:
//   "8BGR", uint16 version (5), uint32 descriptor version (16), then one
//   serialized descriptor (interchange/action_descriptor.h) whose item "GrdL"
//   lists the gradients.
//
// Solid gradients load; noise gradients cannot be expressed as stops and are
// skipped with a note (a pack of noise gradients only fails). The result is an
// approximation of how that editor draws them: colour and opacity blend
// linearly between stops, each span bent by its midpoint as a curved blend
// does, while the "smoothness" setting is not modelled (noted when below
// 100 %). Foreground and background stops become black and white, CMYK is
// converted without a profile, Lab from D50 to sRGB; each such replacement is
// noted.
#pragma once

#include <string_view>

#include "interchange/source_gradient.h"

// True when the bytes start with the 8BGR signature, whatever follows.
bool HasGrd8Signature(std::string_view bytes);

// All the file's solid gradients, or none and an error naming what was wrong.
ReadResult ReadGrd8Gradients(std::string_view bytes);
