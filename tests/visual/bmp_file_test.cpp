#include "bmp_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

std::uint32_t Read32(const std::string& s, std::size_t at) {
  return static_cast<std::uint8_t>(s[at]) | static_cast<std::uint8_t>(s[at + 1]) << 8 |
         static_cast<std::uint8_t>(s[at + 2]) << 16 | static_cast<std::uint32_t>(static_cast<std::uint8_t>(s[at + 3])) << 24;
}

TEST(BmpFile, RowsRunBottomUpInBlueGreenRedPaddedToFourBytes) {
  // 3 x 2 inside a buffer 4 pixels wide; the fourth column must not appear.
  const std::uint32_t pixels[] = {
      0x00112233, 0x00445566, 0x00778899, 0xDEADBEEF,  // top row
      0x00AABBCC, 0x00010203, 0x00FFFFFF, 0xDEADBEEF,
  };
  const std::string bmp = visual::EncodeBmp24(pixels, 3, 2, 4);
  ASSERT_EQ(bmp.size(), 54u + 2 * 12);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(Read32(bmp, 2), bmp.size());
  EXPECT_EQ(Read32(bmp, 10), 54u);
  EXPECT_EQ(Read32(bmp, 14), 40u);
  EXPECT_EQ(Read32(bmp, 18), 3u);
  EXPECT_EQ(Read32(bmp, 22), 2u);
  EXPECT_EQ(Read32(bmp, 26), 1u | 24u << 16);  // one plane, 24 bits
  EXPECT_EQ(Read32(bmp, 30), 0u);              // no compression
  const std::string bottom("\xCC\xBB\xAA\x03\x02\x01\xFF\xFF\xFF\0\0\0", 12);
  const std::string top("\x33\x22\x11\x66\x55\x44\x99\x88\x77\0\0\0", 12);
  EXPECT_EQ(bmp.substr(54, 12), bottom);
  EXPECT_EQ(bmp.substr(66, 12), top);
}

}  // namespace
