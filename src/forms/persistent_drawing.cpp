#include "forms/persistent_drawing.h"

#include <utility>

namespace forms {

void PersistentDrawing::Fit(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  const SIZE wanted{client.right - client.left, client.bottom - client.top};
  if (wanted.cx == size_.cx && wanted.cy == size_.cy) return;
  if (!dc_.get()) return;

  OwnedBitmap next;
  if (wanted.cx > 0 && wanted.cy > 0) {
    const HDC screen = GetDC(nullptr);
    next = OwnedBitmap(CreateCompatibleBitmap(screen, wanted.cx, wanted.cy));
    ReleaseDC(nullptr, screen);
  }
  if (next.get()) {
    MemoryDC fresh;
    SelectedObject selected(fresh.get(), next.get());
    const RECT all{0, 0, wanted.cx, wanted.cy};
    OwnedObject<HBRUSH> back(CreateSolidBrush(backColor_));
    FillRect(fresh.get(), &all, back.get());
    if (bitmap_.get()) BitBlt(fresh.get(), 0, 0, size_.cx, size_.cy, dc_.get(), 0, 0, SRCCOPY);
  }

  // The old bitmap leaves the DC before it is deleted.
  if (firstBitmap_) SelectObject(dc_.get(), firstBitmap_);
  firstBitmap_ = nullptr;
  bitmap_ = std::move(next);
  size_ = bitmap_.get() ? wanted : SIZE{0, 0};
  if (bitmap_.get()) firstBitmap_ = SelectObject(dc_.get(), bitmap_.get());
}

void PersistentDrawing::Paint(HDC target) const {
  if (!bitmap_.get()) return;
  BitBlt(target, 0, 0, size_.cx, size_.cy, dc_.get(), 0, 0, SRCCOPY);
}

}  // namespace forms
