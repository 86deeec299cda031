#include "preview/pixels.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <wincodec.h>

#include "forms/gdi.h"
#include "support/temp_folder.h"

namespace test {
namespace {

template <typename Interface>
struct Com {
  Interface* p = nullptr;
  ~Com() {
    if (p) p->Release();
  }
  Interface** out() { return &p; }
};

std::string Hex(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(value));
  return text;
}

}  // namespace

Pixels DecodeWithWic(const std::string& fileBytes) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  Pixels pixels;
  Com<IWICImagingFactory> factory;
  Com<IWICStream> stream;
  Com<IWICBitmapDecoder> decoder;
  Com<IWICBitmapFrameDecode> frame;
  Com<IWICFormatConverter> converter;
  UINT width = 0, height = 0;
  const bool ready =
      SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IWICImagingFactory, reinterpret_cast<void**>(factory.out()))) &&
      SUCCEEDED(factory.p->CreateStream(stream.out())) &&
      SUCCEEDED(stream.p->InitializeFromMemory(
          reinterpret_cast<BYTE*>(const_cast<char*>(fileBytes.data())), static_cast<DWORD>(fileBytes.size()))) &&
      SUCCEEDED(factory.p->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnDemand,
                                                    decoder.out())) &&
      SUCCEEDED(decoder.p->GetFrame(0, frame.out())) &&
      SUCCEEDED(factory.p->CreateFormatConverter(converter.out())) &&
      SUCCEEDED(converter.p->Initialize(frame.p, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone,
                                        nullptr, 0.0, WICBitmapPaletteTypeCustom)) &&
      SUCCEEDED(converter.p->GetSize(&width, &height));
  if (!ready) return pixels;
  std::vector<std::uint32_t> bgr(static_cast<std::size_t>(width) * height);
  if (FAILED(converter.p->CopyPixels(nullptr, width * 4, static_cast<UINT>(bgr.size() * 4),
                                     reinterpret_cast<BYTE*>(bgr.data())))) {
    return pixels;
  }
  for (auto& pixel : bgr) pixel &= 0xFFFFFF;
  pixels = {static_cast<int>(width), static_cast<int>(height), std::move(bgr)};
  return pixels;
}

Pixels Capture(int width, int height, const std::function<void(HDC)>& paint) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  forms::OwnedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap.get()) return {};
  auto* words = static_cast<std::uint32_t*>(bits);
  const std::size_t count = static_cast<std::size_t>(width) * height;
  for (std::size_t i = 0; i < count; ++i) words[i] = 0xCCCCCC;
  {
    forms::MemoryDC dc;
    forms::SelectedObject selected(dc.get(), bitmap.get());
    paint(dc.get());
    GdiFlush();
  }
  Pixels pixels{width, height, std::vector<std::uint32_t>(words, words + count)};
  for (auto& pixel : pixels.bgr) pixel &= 0xFFFFFF;
  return pixels;
}

std::string DifferenceFromPicture(const Pixels& shown, const Pixels& picture, int tolerance) {
  for (int y = 0; y < shown.height; ++y) {
    for (int x = 0; x < shown.width; ++x) {
      const std::uint32_t got = shown.at(x, y);
      const bool inside = x < picture.width && y < picture.height;
      const std::uint32_t want = inside ? picture.at(x, y) : 0;
      bool same = got == want;
      if (inside) {
        same = true;
        for (int shift = 0; shift < 24; shift += 8) {
          const int a = static_cast<int>((got >> shift) & 0xFF), b = static_cast<int>((want >> shift) & 0xFF);
          if (std::abs(a - b) > tolerance) same = false;
        }
      }
      if (!same) {
        return "at " + std::to_string(x) + "," + std::to_string(y) + (inside ? " (picture)" : " (beyond it)") +
               ": shown " + Hex(got) + ", expected " + Hex(want);
      }
    }
  }
  return {};
}

void SavePixels(const std::string& path, const Pixels& pixels) {
  std::string bytes = std::to_string(pixels.width) + " " + std::to_string(pixels.height) + "\n";
  const std::size_t header = bytes.size();
  bytes.resize(header + pixels.bgr.size() * 4);
  std::memcpy(bytes.data() + header, pixels.bgr.data(), pixels.bgr.size() * 4);
  // Readers poll for path: it appears only once complete. (Right after the
  // rename Wine may still refuse to open it for a moment; readers retry.)
  WriteFile(path + ".part", bytes);
  MoveFileExA((path + ".part").c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

std::optional<Pixels> LoadPixels(const std::string& path) {
  const std::string bytes = ReadFile(path);
  const std::size_t newline = bytes.find('\n');
  if (newline == std::string::npos) return std::nullopt;
  Pixels pixels;
  if (std::sscanf(bytes.c_str(), "%d %d", &pixels.width, &pixels.height) != 2) return std::nullopt;
  if (pixels.width < 0 || pixels.height < 0) return std::nullopt;
  const std::size_t count = static_cast<std::size_t>(pixels.width) * pixels.height;
  if (bytes.size() - newline - 1 != count * 4) return std::nullopt;
  pixels.bgr.resize(count);
  std::memcpy(pixels.bgr.data(), bytes.data() + newline + 1, count * 4);
  return pixels;
}

}  // namespace test
