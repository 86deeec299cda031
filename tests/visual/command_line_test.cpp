#include "command_line.h"

#include <gtest/gtest.h>

namespace {

using Kind = visual::Request::Kind;

TEST(CommandLine, ShowsThePictureUnlessAToolingOptionIsGiven) {
  const struct {
    std::vector<std::string> args;
    Kind kind;
    int width, height;
    double seconds;
    const char* out;
  } cases[] = {
      /*  0 */ {{}, Kind::kShow, 0, 0, 0, ""},
      /*  1 */ {{"/s"}, Kind::kShow, 0, 0, 0, ""},
      /*  2 */ {{"--frame", "152", "112", "12", "a.bmp"}, Kind::kFrame, 152, 112, 12, "a.bmp"},
      /*  3 */ {{"--frame", "1920", "1080", "0.25", "C:\\表\\b.bmp"}, Kind::kFrame, 1920, 1080, 0.25, "C:\\表\\b.bmp"},
      /*  4 */ {{"--frame", "0", "112", "1", "a.bmp"}, Kind::kMalformed, 0, 0, 0, ""},
      /*  5 */ {{"--frame", "152", "8193", "1", "a.bmp"}, Kind::kMalformed, 0, 0, 0, ""},
      /*  6 */ {{"--frame", "15x", "112", "1", "a.bmp"}, Kind::kMalformed, 0, 0, 0, ""},
      /*  7 */ {{"--frame", "152", "112", "-1", "a.bmp"}, Kind::kMalformed, 0, 0, 0, ""},
      /*  8 */ {{"--frame", "152", "112", "nan", "a.bmp"}, Kind::kMalformed, 0, 0, 0, ""},
      /*  9 */ {{"--frame", "152", "112", "1"}, Kind::kMalformed, 0, 0, 0, ""},
      /* 10 */ {{"--frame", "152", "112", "1", "a.bmp", "x"}, Kind::kMalformed, 0, 0, 0, ""},
      /* 11 */ {{"--frame", "152", "112", "1", ""}, Kind::kMalformed, 0, 0, 0, ""},
      /* 12 */ {{"--bench", "10", "out.txt"}, Kind::kBench, 0, 0, 10, "out.txt"},
      /* 13 */ {{"--bench", "ten", "out.txt"}, Kind::kMalformed, 0, 0, 0, ""},
      /* 14 */ {{"--bench", "10"}, Kind::kMalformed, 0, 0, 0, ""},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const visual::Request r = visual::ParseArguments(cases[i].args);
    EXPECT_EQ(r.kind, cases[i].kind) << "row " << i;
    if (r.kind != Kind::kFrame && r.kind != Kind::kBench) continue;
    EXPECT_EQ(r.width, cases[i].width) << "row " << i;
    EXPECT_EQ(r.height, cases[i].height) << "row " << i;
    EXPECT_EQ(r.seconds, cases[i].seconds) << "row " << i;
    EXPECT_EQ(r.outPath, cases[i].out) << "row " << i;
  }
}

}  // namespace
