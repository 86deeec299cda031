// A fresh folder under %TEMP% for one test, removed with all it holds.
#pragma once

#include <string>

namespace test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // Windows path, no trailing backslash.
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

// Whole-file helpers over the ANSI entry points.
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
// Appends line and a line end; several processes may append to one file.
void AppendLine(const std::string& path, const std::string& line);

}  // namespace test
