#include "cp932_text.h"

#include <windows.h>

#include <climits>
#include <cstring>

namespace {

constexpr UINT kCp932 = 932;

}  // namespace

std::wstring WideFromCp932(const char* text, size_t size) {
  if (text == nullptr || size == 0 || size > INT_MAX) return std::wstring();
  const int length = static_cast<int>(size);
  const int wide = MultiByteToWideChar(kCp932, 0, text, length, nullptr, 0);
  if (wide <= 0) return std::wstring();
  std::wstring out(static_cast<size_t>(wide), L'\0');
  MultiByteToWideChar(kCp932, 0, text, length, out.data(), wide);
  return out;
}

std::wstring WideFromCp932(const char* text) {
  return text == nullptr ? std::wstring() : WideFromCp932(text, std::strlen(text));
}

std::string AnsiFromWide(const std::wstring& text) {
  if (text.empty() || text.size() > INT_MAX) return std::string();
  const int length = static_cast<int>(text.size());
  const int narrow =
      WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (narrow <= 0) return std::string();
  std::string out(static_cast<size_t>(narrow), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), length, out.data(), narrow, nullptr, nullptr);
  return out;
}
