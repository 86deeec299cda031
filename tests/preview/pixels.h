// Pixels for the preview's tests: decoding the picture file with WIC (a
// decoder of its own, not the product's), capturing what a paint routine draws,
// comparing the two, and passing captures between processes as files.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace test {

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> bgr;  // row after row, top first; 0x00RRGGBB

  std::uint32_t at(int x, int y) const { return bgr[static_cast<std::size_t>(y) * width + x]; }
};

// The picture file's pixels as WIC decodes them; empty on failure.
Pixels DecodeWithWic(const std::string& fileBytes);

// What paint draws into a width x height memory DC that starts filled with
// the sentinel 0xCCCCCC (so untouched pixels show).
Pixels Capture(int width, int height, const std::function<void(HDC)>& paint);

// Empty when shown holds the picture at its top-left corner, cut to shown's
// size, each channel within tolerance, and black wherever the picture does not
// reach; otherwise the first difference, in words.
std::string DifferenceFromPicture(const Pixels& shown, const Pixels& picture, int tolerance);

// SavePixels makes path appear only once it is complete; LoadPixels gives
// nothing while the file is missing, unreadable or short.
void SavePixels(const std::string& path, const Pixels& pixels);
std::optional<Pixels> LoadPixels(const std::string& path);

}  // namespace test
