// Owning wrappers for the GDI objects of the picture; none can be copied.
#pragma once

#include <windows.h>

namespace visual {

class MemoryDc {
 public:
  MemoryDc() : dc_(CreateCompatibleDC(nullptr)) {}
  ~MemoryDc() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

class OwnedBitmap {
 public:
  OwnedBitmap() = default;
  ~OwnedBitmap() { Reset(nullptr); }
  OwnedBitmap(const OwnedBitmap&) = delete;
  OwnedBitmap& operator=(const OwnedBitmap&) = delete;
  void Reset(HBITMAP bitmap) {
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = bitmap;
  }
  HBITMAP get() const { return bitmap_; }

 private:
  HBITMAP bitmap_ = nullptr;
};

// Selects an object into a DC and puts the old one back.
class ScopedSelect {
 public:
  ScopedSelect() = default;
  ScopedSelect(HDC dc, HGDIOBJ object) { Select(dc, object); }
  ~ScopedSelect() { Restore(); }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;
  void Select(HDC dc, HGDIOBJ object) {
    Restore();
    dc_ = dc;
    old_ = dc && object ? SelectObject(dc, object) : nullptr;
  }
  void Restore() {
    if (dc_ && old_) SelectObject(dc_, old_);
    dc_ = nullptr;
    old_ = nullptr;
  }

 private:
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

}  // namespace visual
