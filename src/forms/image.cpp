#include "forms/image.h"

#include <algorithm>

#include "forms/gdi.h"

namespace forms {

void Image::Draw(HDC target) const {
  const HBITMAP bitmap = picture_.Bitmap();
  if (!bitmap) return;
  const SIZE size = picture_.Size();
  const int width = std::min<int>(size.cx, bounds_.right - bounds_.left);
  const int height = std::min<int>(size.cy, bounds_.bottom - bounds_.top);
  if (width <= 0 || height <= 0) return;
  MemoryDC source(target);
  SelectedObject selected(source.get(), bitmap);
  BitBlt(target, bounds_.left, bounds_.top, width, height, source.get(), 0, 0, SRCCOPY);
}

}  // namespace forms
