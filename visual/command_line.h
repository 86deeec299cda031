// What the program was asked to do. With no arguments (as the saver starts it)
// it shows the picture. Two options serve tooling only:
//   --frame W H T OUT.bmp   render the frame at T seconds at W x H into OUT.bmp
//   --bench S OUT.txt       show the picture for S seconds, then write the
//                           number of frames shown and the seconds taken
// Arguments of any other form are ignored; a malformed option is refused.
#pragma once

#include <string>
#include <vector>

namespace visual {

struct Request {
  enum class Kind { kShow, kFrame, kBench, kMalformed };
  Kind kind = Kind::kShow;
  int width = 0, height = 0;  // kFrame
  double seconds = 0;         // kFrame: the time of the frame; kBench: how long
  std::string outPath;        // kFrame, kBench
};

inline constexpr int kMaxFrameSide = 8192;

// args: the arguments after the program's name.
Request ParseArguments(const std::vector<std::string>& args);

}  // namespace visual
