#include "forms/text.h"

#include <gtest/gtest.h>

namespace {

// Code page 932: "表" is 95 5C and "ソ" is 83 5C (a backslash trail byte), "ビ" is
// 83 72 (an 'r' trail byte), "ｱ" is the single byte B1.
struct CharCase {
  const char* text;
  std::size_t n;
  const char* left;
  const char* right;
};

TEST(Text, LeftAndRightCountCharactersNotBytes) {
  const CharCase cases[] = {
      /* 0 */ {"abc", 2, "ab", "bc"},
      /* 1 */ {"abc", 5, "abc", "abc"},
      /* 2 */ {"", 1, "", ""},
      /* 3 */ {"表ソ", 1, "表", "ソ"},
      /* 4 */ {"a.表", 2, "a.", ".表"},
      /* 5 */ {"ｱビWAV", 3, "ｱビW", "WAV"},
      /* 6 */ {"xジAV", 3, "xジA", "ジAV"},  // ジ is 83 57: its trail byte is 'W'
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    EXPECT_EQ(forms::LeftChars(c.text, c.n), c.left) << "row " << i;
    EXPECT_EQ(forms::RightChars(c.text, c.n), c.right) << "row " << i;
  }
}

TEST(Text, MidCharsCountsFromOne) {
  EXPECT_EQ(forms::MidChars("/S", 2, 1), "S");
  EXPECT_EQ(forms::MidChars("s", 2, 1), "");
  EXPECT_EQ(forms::MidChars("", 1, 1), "");
  EXPECT_EQ(forms::MidChars("表ソx", 2, 1), "ソ");
  EXPECT_EQ(forms::MidChars("/p 1234", 4, 100), "1234");
  EXPECT_EQ(forms::MidChars("abc", 0, 1), "");
}

TEST(Text, DropLastCharRemovesAWholeCharacter) {
  EXPECT_EQ(forms::DropLastChar("C:\\dir\\"), "C:\\dir");
  EXPECT_EQ(forms::DropLastChar("C:\\ソ"), "C:\\");
  EXPECT_EQ(forms::DropLastChar(""), "");
}

TEST(Text, UCaseLeavesDoubleByteCharactersAlone) {
  EXPECT_EQ(forms::UCase("song.mp3"), "SONG.MP3");
  EXPECT_EQ(forms::UCase("ビ.wav"), "ビ.WAV");
  EXPECT_EQ(forms::UCase("ｱ表x"), "ｱ表X");
}

}  // namespace
