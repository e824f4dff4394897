// Counts the GDI objects and window DCs one loaded module holds, by patching
// that module's import address table: its calls of the creators below go
// through counters here, which keep the set of live handles, and its
// DeleteObject/ReleaseDC calls take them out. Works under Wine as on Windows
// (no GetGuiResources needed); objects the system makes on the module's
// behalf (inside the common dialogs, say) are not the module's and not counted.
#pragma once

#include <windows.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace gdi_count {

inline std::set<void*>& Live() {
  static std::set<void*> live;
  return live;
}
inline size_t& Peak() {
  static size_t peak = 0;
  return peak;
}

template <typename H>
H Note(H handle) {
  if (handle != nullptr) {
    Live().insert(reinterpret_cast<void*>(handle));
    if (Live().size() > Peak()) Peak() = Live().size();
  }
  return handle;
}

inline HBRUSH WINAPI SolidBrush(COLORREF c) { return Note(CreateSolidBrush(c)); }
inline HPEN WINAPI Pen(int style, int width, COLORREF c) {
  return Note(CreatePen(style, width, c));
}
inline HFONT WINAPI FontA(int h, int w, int e, int o, int wt, DWORD i, DWORD u, DWORD s, DWORD cs,
                          DWORD op, DWORD cp, DWORD q, DWORD pf, LPCSTR face) {
  return Note(CreateFontA(h, w, e, o, wt, i, u, s, cs, op, cp, q, pf, face));
}
inline HFONT WINAPI FontIndirectA(const LOGFONTA* font) { return Note(CreateFontIndirectA(font)); }
inline HBITMAP WINAPI DibSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits,
                                 HANDLE section, DWORD offset) {
  return Note(CreateDIBSection(dc, info, usage, bits, section, offset));
}
inline HBITMAP WINAPI CompatibleBitmap(HDC dc, int w, int h) {
  return Note(CreateCompatibleBitmap(dc, w, h));
}
inline HBITMAP WINAPI Bitmap(int w, int h, UINT planes, UINT bits, const void* data) {
  return Note(CreateBitmap(w, h, planes, bits, data));
}
inline HDC WINAPI CompatibleDc(HDC dc) { return Note(CreateCompatibleDC(dc)); }
inline HRGN WINAPI RectRgn(int l, int t, int r, int b) { return Note(CreateRectRgn(l, t, r, b)); }
inline HDC WINAPI WindowDc(HWND window) { return Note(GetDC(window)); }
inline BOOL WINAPI Delete(HGDIOBJ object) {
  const BOOL done = DeleteObject(object);
  if (done) Live().erase(object);
  return done;
}
inline BOOL WINAPI DeleteDc(HDC dc) {
  const BOOL done = DeleteDC(dc);
  if (done) Live().erase(dc);
  return done;
}
inline int WINAPI ReleaseWindowDc(HWND window, HDC dc) {
  const int done = ReleaseDC(window, dc);
  if (done) Live().erase(dc);
  return done;
}

struct Hook {
  const char* name;
  void* replacement;
};

// Points the module's imports of these functions at the counters; returns the
// names it patched, so the caller can see which creators the module uses.
inline std::vector<std::string> Install(HMODULE module) {
  static const Hook hooks[] = {
      {"CreateSolidBrush", reinterpret_cast<void*>(SolidBrush)},
      {"CreatePen", reinterpret_cast<void*>(Pen)},
      {"CreateFontA", reinterpret_cast<void*>(FontA)},
      {"CreateFontIndirectA", reinterpret_cast<void*>(FontIndirectA)},
      {"CreateDIBSection", reinterpret_cast<void*>(DibSection)},
      {"CreateCompatibleBitmap", reinterpret_cast<void*>(CompatibleBitmap)},
      {"CreateBitmap", reinterpret_cast<void*>(Bitmap)},
      {"CreateCompatibleDC", reinterpret_cast<void*>(CompatibleDc)},
      {"CreateRectRgn", reinterpret_cast<void*>(RectRgn)},
      {"GetDC", reinterpret_cast<void*>(WindowDc)},
      {"DeleteObject", reinterpret_cast<void*>(Delete)},
      {"DeleteDC", reinterpret_cast<void*>(DeleteDc)},
      {"ReleaseDC", reinterpret_cast<void*>(ReleaseWindowDc)},
  };
  std::vector<std::string> patched;
  auto* base = reinterpret_cast<BYTE*>(module);
  const auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY& directory =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
       directory.VirtualAddress != 0 && entry->Name != 0; ++entry) {
    const std::string dll = reinterpret_cast<const char*>(base + entry->Name);
    if (_stricmp(dll.c_str(), "gdi32.dll") != 0 && _stricmp(dll.c_str(), "user32.dll") != 0)
      continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const char* name =
          reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData)->Name;
      for (const Hook& hook : hooks) {
        if (std::strcmp(name, hook.name) != 0) continue;
        DWORD old = 0;
        VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &old);
        slots->u1.Function = reinterpret_cast<ULONG_PTR>(hook.replacement);
        VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, old, &old);
        patched.push_back(name);
      }
    }
  }
  return patched;
}

}  // namespace gdi_count
