// The visual program started as the saver starts it (its bare path, shown
// normally), with what tests need to watch it: its window, its exit, input
// sent to it, and the screen's pixels.
#pragma once

#include <string>
#include <vector>
#include <windows.h>

namespace test {

// The program's Windows path (the build's output, seen through drive Z:).
std::string VisualProgramPath();

class VisualRun {
 public:
  // arguments: appended after the path; empty starts it exactly as the saver does.
  explicit VisualRun(const std::string& arguments = "");
  ~VisualRun();  // ends the process if it is still running
  VisualRun(const VisualRun&) = delete;
  VisualRun& operator=(const VisualRun&) = delete;

  bool started() const { return process_ != nullptr; }
  // The window titled "KovaroVC" once it exists (polled), or null.
  HWND WaitForWindow(DWORD timeoutMs = 5000);
  bool WaitForWindowGone(DWORD timeoutMs = 3000);
  // True once the process has exited; exitCode() tells its code.
  bool WaitForExit(DWORD timeoutMs = 3000);
  DWORD exitCode() const;

 private:
  HANDLE process_ = nullptr;
};

// Input as the user gives it, through SendInput.
void PressKey(WORD virtualKey);
void Click();
void MovePointerTo(int x, int y);

// The screen's pixels (0x00RRGGBB), row by row from the top.
struct Pixels {
  int width = 0, height = 0;
  std::vector<unsigned> rgb;
  unsigned At(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
};
Pixels CaptureScreen();
// A BMP file's pixels (24-bit, bottom-up, as the frame option writes them).
bool DecodeBmp24(const std::string& bytes, Pixels& out);

// What the picture is made of: how many pixels are black, red, yellow, green.
struct Census {
  long black = 0, red = 0, yellow = 0, green = 0, total = 0;
};
Census CountColours(const Pixels& p);

}  // namespace test
