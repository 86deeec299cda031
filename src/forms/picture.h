// Pictures: images decoded by Windows' OLE picture loader (JPEG, GIF, BMP and
// the other formats it reads), held as a bitmap of their own size.
//
//   Picture::FromBytes(bytes)         decodes a picture file's bytes.
//   Picture::FromResource(module, id) decodes an RCDATA resource of a module.
// A picture that cannot be read is empty: it has no bitmap and size 0 x 0.
#pragma once

#include <string_view>
#include <windows.h>

struct IPicture;

namespace forms {

class Picture {
 public:
  Picture() = default;
  ~Picture();
  Picture(Picture&& other) noexcept;
  Picture& operator=(Picture&& other) noexcept;
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  static Picture FromBytes(std::string_view bytes);
  static Picture FromResource(HMODULE module, int id);

  bool IsEmpty() const { return Bitmap() == nullptr; }
  // The decoded bitmap, owned by the picture.
  HBITMAP Bitmap() const;
  // Width and height in pixels.
  SIZE Size() const;

 private:
  explicit Picture(IPicture* picture) : picture_(picture) {}
  IPicture* picture_ = nullptr;
};

}  // namespace forms
