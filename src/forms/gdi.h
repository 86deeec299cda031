// Owning wrappers for the GDI objects the forms runtime draws with. None can be
// copied; each gives its object back (or puts the old selection back) when it
// goes.
#pragma once

#include <windows.h>

namespace forms {

// A memory device context compatible with the screen (or with like).
class MemoryDC {
 public:
  explicit MemoryDC(HDC like = nullptr) : dc_(CreateCompatibleDC(like)) {}
  ~MemoryDC() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// An object selected into a device context for the wrapper's lifetime.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(dc && object ? SelectObject(dc, object) : nullptr) {}
  ~SelectedObject() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A bitmap (or another GDI object) that is deleted with the wrapper; movable.
template <typename Handle>
class OwnedObject {
 public:
  OwnedObject() = default;
  explicit OwnedObject(Handle handle) : handle_(handle) {}
  ~OwnedObject() { Reset(); }
  OwnedObject(OwnedObject&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  OwnedObject& operator=(OwnedObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = other.handle_;
      other.handle_ = nullptr;
    }
    return *this;
  }
  Handle get() const { return handle_; }
  void Reset() {
    if (handle_) DeleteObject(handle_);
    handle_ = nullptr;
  }

 private:
  Handle handle_ = nullptr;
};

using OwnedBitmap = OwnedObject<HBITMAP>;

}  // namespace forms
