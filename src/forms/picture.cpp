#include "forms/picture.h"

#include <cstring>
#include <ocidl.h>
#include <olectl.h>

namespace forms {

Picture::~Picture() {
  if (picture_) picture_->Release();
}

Picture::Picture(Picture&& other) noexcept : picture_(other.picture_) { other.picture_ = nullptr; }

Picture& Picture::operator=(Picture&& other) noexcept {
  if (this != &other) {
    if (picture_) picture_->Release();
    picture_ = other.picture_;
    other.picture_ = nullptr;
  }
  return *this;
}

Picture Picture::FromBytes(std::string_view bytes) {
  if (bytes.empty()) return {};
  // The loader may hand JPEG decoding to COM components; the program's one
  // thread joins an apartment once and stays (a second call only counts).
  static const HRESULT joined = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  (void)joined;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!memory) return {};
  if (void* data = GlobalLock(memory)) {
    std::memcpy(data, bytes.data(), bytes.size());
    GlobalUnlock(memory);
  }
  IStream* stream = nullptr;
  // The stream frees the memory when it is released.
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    return {};
  }
  IPicture* picture = nullptr;
  if (FAILED(OleLoadPicture(stream, static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                            reinterpret_cast<void**>(&picture)))) {
    picture = nullptr;
  }
  stream->Release();
  return Picture(picture);
}

Picture Picture::FromResource(HMODULE module, int id) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), RT_RCDATA);
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return FromBytes(std::string_view(static_cast<const char*>(data), SizeofResource(module, found)));
}

HBITMAP Picture::Bitmap() const {
  if (!picture_) return nullptr;
  SHORT type = PICTYPE_NONE;
  OLE_HANDLE handle = 0;
  if (FAILED(picture_->get_Type(&type)) || type != PICTYPE_BITMAP) return nullptr;
  if (FAILED(picture_->get_Handle(&handle))) return nullptr;
  return reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
}

SIZE Picture::Size() const {
  BITMAP info{};
  const HBITMAP bitmap = Bitmap();
  if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return {0, 0};
  return {info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

}  // namespace forms
