#include "preview/parent_handle.h"

#include <gtest/gtest.h>

namespace {

TEST(ParentHandle, FromTheArgumentText) {
  const struct {
    const char* arguments;
    std::int32_t expected;
  } cases[] = {
      /*  0 */ {"/p 1234", 1234},
      /*  1 */ {"/P 1234", 1234},
      /*  2 */ {"/p:1234", 1234},
      /*  3 */ {"/p1234", 234},  // reading starts at the 4th character
      /*  4 */ {"/p 12 34", 1234},
      /*  5 */ {"/p\t1\n2 3", 123},
      /*  6 */ {"/p", 0},
      /*  7 */ {"/p ", 0},
      /*  8 */ {"/p abc", 0},
      /*  9 */ {"/p 12abc", 12},
      /* 10 */ {"/p 12.5", 12},  // halves go to the even neighbour
      /* 11 */ {"/p 13.5", 14},
      /* 12 */ {"/p 12.51", 13},
      /* 13 */ {"/p .5", 0},
      /* 14 */ {"/p 1e3", 1000},
      /* 15 */ {"/p 1E+2", 100},
      /* 16 */ {"/p 15e-1", 2},
      /* 17 */ {"/p 7e", 7},
      /* 18 */ {"/p 7e+", 7},
      /* 19 */ {"/p 1.5.5", 2},
      /* 20 */ {"/p -42", -42},
      /* 21 */ {"/p 2147483647", 2147483647},
      /* 22 */ {"/p 2147483648", 0},  // beyond 32 bits: no handle
      /* 23 */ {"/p 1e400", 0},
      /* 24 */ {"/pあ1234", 1234},  // a double-byte character counts as one
      /* 25 */ {"/p 0x10", 0},
      /* 26 */ {"/p \r5", 0},  // only blanks, tabs and line feeds are skipped
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(Kovaro_R::ParentHandle(cases[i].arguments), cases[i].expected)
        << "row " << i << " \"" << cases[i].arguments << "\"";
  }
}

}  // namespace
