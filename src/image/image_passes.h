// The two whole-image operations on 0xAARRGGBB pixel buffers, row after row
// without padding: painting a gradation across an image, and recolouring an
// image by luminance. The script face and the command-line tool both run
// these, so their pixels are the same. Large images are split into bands of
// rows run on several threads (image/row_bands.h); the words never depend on
// how many.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/gradation.h"

class BandPool;

// Every row gets the gradation from `start` to `end` across `width` columns.
// Nothing happens unless both sizes are positive.
void PaintGradationImage(const GradationData& gradation, float exponent, float start, float end,
                         uint32_t* pixels, int32_t width, int32_t height);

// Every pixel, alpha included, becomes the gradation's word at its luminance,
// mapped through `scale` and `offset` (in luminance table entries).
void RecolorByLuminance(const GradationData& gradation, float exponent, float scale, float offset,
                        uint32_t* pixels, size_t count);
// The same over `height` rows of `width` pixels (nothing unless both are positive).
void RecolorByLuminance(const GradationData& gradation, float exponent, float scale, float offset,
                        uint32_t* pixels, int32_t width, int32_t height);

// The same passes on a given pool instead of the shared one (tests, benchmarks).
void PaintGradationImage(const GradationData& gradation, float exponent, float start, float end,
                         uint32_t* pixels, int32_t width, int32_t height, BandPool& pool);
void RecolorByLuminance(const GradationData& gradation, float exponent, float scale, float offset,
                        uint32_t* pixels, int32_t width, int32_t height, BandPool& pool);
