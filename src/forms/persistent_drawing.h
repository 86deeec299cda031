// Persistent drawing for a form: what is drawn goes into a memory bitmap the
// size of the form's client area, which the form's one paint routine copies to
// whatever device context it is given (WM_PAINT, WM_PRINTCLIENT, a test's
// memory DC), so the drawing survives repaints.
//
//   Fit(window)   matches the bitmap to the window's client area; what it held
//                 stays, new parts take the back colour. Call it on WM_SIZE.
//   dc()          draws into the bitmap; invalidate the window afterwards.
//   Paint(target) copies the bitmap to target at 0, 0.
#pragma once

#include <windows.h>

#include "forms/gdi.h"

namespace forms {

class PersistentDrawing {
 public:
  explicit PersistentDrawing(COLORREF backColor) : backColor_(backColor) {}
  PersistentDrawing(const PersistentDrawing&) = delete;
  PersistentDrawing& operator=(const PersistentDrawing&) = delete;

  void Fit(HWND window);
  HDC dc() const { return dc_.get(); }
  SIZE Size() const { return size_; }
  void Paint(HDC target) const;

 private:
  COLORREF backColor_;
  MemoryDC dc_;
  OwnedBitmap bitmap_;
  HGDIOBJ firstBitmap_ = nullptr;  // the DC's own, put back before the bitmap goes
  SIZE size_{0, 0};
};

}  // namespace forms
