#include "command_line.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace visual {

namespace {

bool ReadInt(const std::string& text, int low, int high, int& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || v < low || v > high) return false;
  value = static_cast<int>(v);
  return true;
}

bool ReadSeconds(const std::string& text, double& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const double v = std::strtod(text.c_str(), &end);
  if (errno != 0 || *end != '\0' || !std::isfinite(v) || v < 0 || v > 1e7) return false;
  value = v;
  return true;
}

}  // namespace

Request ParseArguments(const std::vector<std::string>& args) {
  Request request;
  if (args.empty()) return request;
  if (args[0] == "--frame") {
    request.kind = Request::Kind::kMalformed;
    if (args.size() != 5 || !ReadInt(args[1], 1, kMaxFrameSide, request.width) ||
        !ReadInt(args[2], 1, kMaxFrameSide, request.height) || !ReadSeconds(args[3], request.seconds) ||
        args[4].empty()) {
      return request;
    }
    request.kind = Request::Kind::kFrame;
    request.outPath = args[4];
  } else if (args[0] == "--bench") {
    request.kind = Request::Kind::kMalformed;
    if (args.size() != 3 || !ReadSeconds(args[1], request.seconds) || args[2].empty()) return request;
    request.kind = Request::Kind::kBench;
    request.outPath = args[2];
  }
  return request;
}

}  // namespace visual
