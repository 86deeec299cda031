// A 24-bit BMP (BITMAPFILEHEADER, BITMAPINFOHEADER, bottom-up rows of blue,
// green, red padded to four bytes) from a 32-bit top-down pixel buffer.
#pragma once

#include <cstdint>
#include <string>

namespace visual {

std::string EncodeBmp24(const std::uint32_t* pixels, int width, int height, int stride);

// Writes the whole file; false when it cannot be written completely.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace visual
