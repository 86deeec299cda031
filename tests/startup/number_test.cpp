#include "startup/number.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(Number, ReadFloor16) {
  const struct {
    const char* text;
    std::optional<std::int16_t> expected;
  } cases[] = {
      /*  0 */ {"2", 2},
      /*  1 */ {" 2", 2},
      /*  2 */ {"\t7 ", 7},
      /*  3 */ {"2.7", 2},
      /*  4 */ {"-1", -1},
      /*  5 */ {"-0.5", -1},
      /*  6 */ {"+3", 3},
      /*  7 */ {"2.", 2},
      /*  8 */ {".5", 0},
      /*  9 */ {"1e3", 1000},
      /* 10 */ {"25E-1", 2},
      /* 11 */ {"-32768", -32768},
      /* 12 */ {"32767.9", 32767},
      /* 13 */ {"99999", std::nullopt},
      /* 14 */ {"32768", std::nullopt},
      /* 15 */ {"-32768.5", std::nullopt},
      /* 16 */ {"1e400", std::nullopt},
      /* 17 */ {"abc", std::nullopt},
      /* 18 */ {"", std::nullopt},
      /* 19 */ {" ", std::nullopt},
      /* 20 */ {".", std::nullopt},
      /* 21 */ {"1e", std::nullopt},
      /* 22 */ {"--1", std::nullopt},
      /* 23 */ {"1 2", std::nullopt},
      /* 24 */ {"0x10", std::nullopt},
      /* 25 */ {"inf", std::nullopt},
      /* 26 */ {"nan", std::nullopt},
      /* 27 */ {"2abc", std::nullopt},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(Kovaro_B::ReadFloor16(cases[i].text), cases[i].expected)
        << "row " << i << " \"" << cases[i].text << "\"";
  }
}

}  // namespace
