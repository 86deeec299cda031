// Image elements: windowless elements of a form that show a picture. The
// form's paint routine draws them over its persistent drawing. The picture is
// drawn at its own size from the element's top-left corner (no stretching) and
// is cut where the element is smaller.
#pragma once

#include <utility>
#include <windows.h>

#include "forms/picture.h"

namespace forms {

class Image {
 public:
  Image() = default;
  explicit Image(Picture picture) : picture_(std::move(picture)) {}

  const Picture& picture() const { return picture_; }
  void SetPicture(Picture picture) { picture_ = std::move(picture); }

  // Position and size in pixels, in the form's client area.
  void Move(int left, int top, int width, int height) { bounds_ = {left, top, left + width, top + height}; }
  const RECT& Bounds() const { return bounds_; }

  void Draw(HDC target) const;

 private:
  Picture picture_;
  RECT bounds_{};
};

}  // namespace forms
