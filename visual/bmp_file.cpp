#include "bmp_file.h"

#include <cstdio>

namespace visual {

namespace {

void Put16(std::string& out, std::uint32_t v) {
  out += static_cast<char>(v & 0xff);
  out += static_cast<char>((v >> 8) & 0xff);
}
void Put32(std::string& out, std::uint32_t v) {
  Put16(out, v & 0xffff);
  Put16(out, v >> 16);
}

}  // namespace

std::string EncodeBmp24(const std::uint32_t* pixels, int width, int height, int stride) {
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
  const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height);
  std::string out;
  out.reserve(54 + imageBytes);
  out += "BM";
  Put32(out, 54 + imageBytes);
  Put32(out, 0);
  Put32(out, 54);  // pixels follow the two headers
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));  // positive: bottom-up
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);  // BI_RGB
  Put32(out, imageBytes);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    const std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
    for (int x = 0; x < width; ++x) {
      out += static_cast<char>(row[x] & 0xff);
      out += static_cast<char>((row[x] >> 8) & 0xff);
      out += static_cast<char>((row[x] >> 16) & 0xff);
    }
    out.append(rowBytes - static_cast<std::uint32_t>(width) * 3, '\0');
  }
  return out;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace visual
