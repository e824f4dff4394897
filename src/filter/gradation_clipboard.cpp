#include "filter/gradation_clipboard.h"

#include <cstring>
#include <new>
#include <string>
#include <string_view>

#include "interchange/format_detection.h"
#include "interchange/gradient_files.h"
#include "persist/gradation_bytes.h"

namespace {

UINT RecordFormat() {
  static const UINT format = RegisterClipboardFormatA("Velumbra.Gradation");
  return format;
}

// Movable global memory holding the bytes; null if none could be had.
HGLOBAL GlobalCopy(const void* bytes, size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (memory == nullptr) return nullptr;
  void* target = GlobalLock(memory);
  if (target == nullptr) {
    GlobalFree(memory);
    return nullptr;
  }
  std::memcpy(target, bytes, size);
  GlobalUnlock(memory);
  return memory;
}

void Offer(UINT format, const void* bytes, size_t size) {
  HGLOBAL memory = GlobalCopy(bytes, size);
  if (memory != nullptr && SetClipboardData(format, memory) == nullptr) GlobalFree(memory);
}

std::string ClipboardBytes(UINT format) {
  HANDLE data = GetClipboardData(format);
  if (data == nullptr) return {};
  const void* bytes = GlobalLock(data);
  if (bytes == nullptr) return {};
  std::string copy(static_cast<const char*>(bytes), GlobalSize(data));
  GlobalUnlock(data);
  return copy;
}

std::optional<GradationData> ReadClipboard() {
  if (IsClipboardFormatAvailable(RecordFormat())) {
    const std::string record = ClipboardBytes(RecordFormat());
    GradationData gradation;
    if (ReadGradationBytes(gradation, reinterpret_cast<const uint8_t*>(record.data()),
                           record.size()) != 0) {
      return gradation;
    }
  }
  if (!IsClipboardFormatAvailable(CF_TEXT)) return std::nullopt;
  std::string text = ClipboardBytes(CF_TEXT);
  text.resize(std::strlen(text.c_str()));  // the text ends at its NUL
  ImportResult imported = ImportGradients(text);
  const bool textual =
      imported.format == GradientFormat::Css || imported.format == GradientFormat::Svg;
  if (!imported.ok() || !textual || imported.gradients.empty()) return std::nullopt;
  return std::move(imported.gradients.front().gradation);
}

}  // namespace

bool CopyGradationToClipboard(HWND owner, const GradationData& gradation) {
  try {
    std::string record(WriteGradationBytes(gradation, nullptr), '\0');
    WriteGradationBytes(gradation, reinterpret_cast<uint8_t*>(record.data()));
    const std::string css = ExportGradation(gradation, GradientFormat::Css, "");
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    Offer(RecordFormat(), record.data(), record.size());
    Offer(CF_TEXT, css.c_str(), css.size() + 1);
    CloseClipboard();
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool ClipboardMayHoldGradation() {
  return IsClipboardFormatAvailable(RecordFormat()) || IsClipboardFormatAvailable(CF_TEXT);
}

std::optional<GradationData> GradationFromClipboard(HWND owner) {
  if (!OpenClipboard(owner)) return std::nullopt;
  std::optional<GradationData> gradation;
  try {
    gradation = ReadClipboard();
  } catch (const std::bad_alloc&) {
    gradation.reset();
  }
  CloseClipboard();
  return gradation;
}
