#include "interchange/gradient_formats.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "interchange/checked_export.h"
#include "interchange/css_format.h"
#include "interchange/format_detection.h"
#include "interchange/ggr_format.h"
#include "interchange/grd8_format.h"
#include "interchange/linear_export.h"
#include "interchange/picture_file.h"
#include "interchange/svg_format.h"
#include "interchange/tone_map.h"
#include "persist/gradation_bytes.h"

namespace {

std::string WriteRecord(const GradationData& gradation, std::string_view /*name*/) {
  std::string record(WriteGradationBytes(gradation, nullptr), '\0');
  WriteGradationBytes(gradation, reinterpret_cast<uint8_t*>(record.data()));
  return record;
}

std::string WriteCheckedGgr(const GradationData& gradation, std::string_view name) {
  return WriteCheckedLinearFile(
      gradation, StopBlend::Straight,
      [&](const std::vector<LinearStop>& stops) { return WriteGgr(stops, name); }, ReadGgr);
}

std::string WriteCheckedSvg(const GradationData& gradation, std::string_view name) {
  return WriteCheckedLinearFile(
      gradation, StopBlend::Straight,
      [&](const std::vector<LinearStop>& stops) { return WriteSvgGradient(stops, name); },
      ReadSvgGradients);
}

std::string WriteCheckedCss(const GradationData& gradation, std::string_view /*name*/) {
  return WriteCheckedLinearFile(gradation, StopBlend::Premultiplied, WriteCssGradient,
                                ReadCssGradients);
}

// A picture's luminance-mode gradient map.
MapRead ReadPictureMap(std::string_view bytes) {
  MapRead read;
  PictureResult decoded = DecodePicture(bytes);
  if (!decoded.ok()) {
    read.error = std::move(decoded.error);
    return read;
  }
  const std::vector<uint32_t>& pixels = decoded.picture.pixels;
  ToneMapResult map = ExtractToneMap(pixels.data(), pixels.size());
  read.gradation = std::move(map.gradation);
  read.error = std::move(map.error);
  return read;
}

}  // namespace

// Detection tries the rows in this order. The record comes first and only
// needs its counts to fit the size (trailing bytes are ignored, as the loader
// does), so every file that loaded as a record before still does. It cannot
// take the others' files: their first bytes, read as counts, claim gigabytes
// of stops. The pictures come last: TGA, which has no signature, must not
// take what another row would. Yet a big picture can pass for a record
// (an uncompressed 640x480 TGA's header reads as 131072 colour stops and
// fits), so a record with bytes over yields to a picture's header; every
// record this editor writes is exactly its length.
constexpr std::array<GradientFormatRow, kGradientFormatCount> kGradientFormats = {{
    {GradientFormat::VelumbraRecord,
     "Velumbra gradation",
     {"grd"},
     "Velumbra グラデーション",
     "Velumbra file(%s)",
     IsVelumbraRecord,
     nullptr,
     WriteRecord},
    // The packs share .grd with the record, whose entry in the dialogs serves both.
    {GradientFormat::Grd8,
     "8BGR gradient file",
     {"grd"},
     "8BGR グラデーション",
     nullptr,
     HasGrd8Signature,
     ReadGrd8Gradients,
     nullptr},
    {GradientFormat::Ggr,
     "GIMP gradient",
     {"ggr"},
     "GIMP グラデーション",
     "GIMP グラデーション (%s)",
     IsGgr,
     ReadGgr,
     WriteCheckedGgr},
    {GradientFormat::Svg,
     "SVG gradient",
     {"svg"},
     "SVG グラデーション",
     "SVG (%s)",
     IsSvg,
     ReadSvgGradients,
     WriteCheckedSvg},
    {GradientFormat::Css,
     "CSS gradient",
     {"css", "txt"},
     "CSS グラデーション",
     "CSS (%s)",
     IsCss,
     ReadCssGradients,
     WriteCheckedCss},
    // Pictures load as their luminance-mode gradient map, under one entry in
    // the dialogs.
    {GradientFormat::Png,
     "PNG picture",
     {"png"},
     "画像",
     "画像 (%s)",
     IsPngPicture,
     nullptr,
     nullptr,
     kMaxPictureFileBytes,
     ReadPictureMap},
    {GradientFormat::Jpeg,
     "JPEG picture",
     {"jpg", "jpeg"},
     "画像",
     nullptr,
     IsJpegPicture,
     nullptr,
     nullptr,
     kMaxPictureFileBytes,
     ReadPictureMap},
    {GradientFormat::Bmp,
     "BMP picture",
     {"bmp"},
     "画像",
     nullptr,
     IsBmpPicture,
     nullptr,
     nullptr,
     kMaxPictureFileBytes,
     ReadPictureMap},
    {GradientFormat::Gif,
     "GIF picture",
     {"gif"},
     "画像",
     nullptr,
     IsGifPicture,
     nullptr,
     nullptr,
     kMaxPictureFileBytes,
     ReadPictureMap},
    {GradientFormat::Tga,
     "TGA picture",
     {"tga"},
     "画像",
     nullptr,
     IsTgaPicture,
     nullptr,
     nullptr,
     kMaxPictureFileBytes,
     ReadPictureMap},
}};

namespace {

constexpr bool RowsInEnumOrder() {
  for (size_t i = 0; i < kGradientFormats.size(); ++i) {
    if (static_cast<size_t>(kGradientFormats[i].format) != i) return false;
  }
  return true;
}
static_assert(RowsInEnumOrder(), "FormatRow finds a format's row at its enum value");

}  // namespace

const GradientFormatRow* FormatRow(GradientFormat format) {
  const size_t index = static_cast<size_t>(format);
  return index < kGradientFormats.size() ? &kGradientFormats[index] : nullptr;
}

size_t FormatMaxBytes(GradientFormat format) {
  const GradientFormatRow* row = FormatRow(format);
  return row != nullptr ? row->maxBytes : kMaxInterchangeBytes;
}

const char* GradientFormatName(GradientFormat format) {
  const GradientFormatRow* row = FormatRow(format);
  return row != nullptr ? row->name : "unknown format";
}

std::string_view GradientFormatFamily(const GradientFormatRow& row) {
  const std::string_view name = row.name;
  return name.substr(0, name.find(' '));
}
