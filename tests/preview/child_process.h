// Other processes for the preview's end-to-end tests: a program started with
// its own command line, optionally with pipes for its standard input and
// output, and ended (if still running) when the object goes.
#pragma once

#include <string>
#include <windows.h>

namespace test {

class ChildProcess {
 public:
  ChildProcess() = default;
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Start(const std::string& commandLine, bool withPipes);
  HANDLE process() const { return process_; }
  DWORD id() const { return id_; }
  // True when the process ended within timeoutMs.
  bool WaitForEnd(DWORD timeoutMs) const;

  // One line of its output without the line end; empty after timeoutMs.
  std::string ReadLine(DWORD timeoutMs);
  void WriteLine(const std::string& line);

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
  HANDLE input_ = nullptr;   // our end of its standard input
  HANDLE output_ = nullptr;  // our end of its standard output
};

// A borderless window of the given size made by the helper preview_host in a
// process of its own; the preview's parent, as Windows' dialog would hold it.
class HostWindow {
 public:
  HostWindow(int width, int height, const std::string& title = "");
  HWND window() const { return window_; }
  // The handle as Windows writes it after /p.
  std::string HandleText() const;
  // Destroys the window inside its process; true once it reports so.
  bool Destroy();

 private:
  ChildProcess host_;
  HWND window_ = nullptr;
};

// Where this test's helper programs and the built saver lie.
std::string HelperPath(const std::string& name);
// The same in quotes, to start a command line with.
std::string QuotedHelper(const std::string& name);

}  // namespace test
