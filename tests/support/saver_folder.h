// End-to-end runs of the built programs: a fresh folder that holds a saver
// (as Kovaro.scr), a visual program (as Kovaro.dll) and whatever else a test
// puts there; the saver is started in it as Windows would start it, and
// observed from outside.
#pragma once

#include <string>
#include <vector>
#include <windows.h>

#include "support/temp_folder.h"

namespace test {

// A file the build made, as Windows sees it (the build passes Unix paths).
std::string BuiltFile(const std::string& unixPath);

class Process {
 public:
  Process() = default;
  explicit Process(PROCESS_INFORMATION info);
  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  ~Process();  // a process still running is ended

  bool Started() const { return handle_ != nullptr; }
  DWORD Id() const { return id_; }
  // True when the process has ended within ms.
  bool WaitExit(DWORD ms) const;
  DWORD ExitCode() const;

 private:
  HANDLE handle_ = nullptr;
  DWORD id_ = 0;
};

// Starts a program: application name and a command line of its quoted path
// and args. Retries once, as Wine's CreateProcess very rarely fails.
Process Launch(const std::string& program, const std::string& args);

class SaverFolder {
 public:
  // sub: an optional folder inside the fresh one to work in ("My Saver 日本").
  explicit SaverFolder(const std::string& sub = "");

  const std::string& path() const { return path_; }
  const TempFolder& root() const { return root_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

  void Install(const std::string& built, const std::string& as);
  void InstallSaver(const std::string& built) { Install(built, "Kovaro.scr"); }
  void InstallVisual(const std::string& built) { Install(built, "Kovaro.dll"); }
  void Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;
  // The file's lines, without their line ends.
  std::vector<std::string> Lines(const std::string& name) const;

  // Starts Kovaro.scr with the argument text, as Windows starts a saver.
  Process Start(const std::string& args) const;

  // The window titled "KovaroVC" of the visual program started from this
  // folder, within ms; null when none. Another test's picture is not taken
  // for this one's.
  HWND WaitForVisualWindow(DWORD ms) const;

 private:
  TempFolder root_;
  std::string path_;
};

// The first top-level window titled title (of process pid, when not 0) that
// shows up within ms; null when none.
HWND WaitForWindow(const char* title, DWORD ms, DWORD pid = 0);
// A top-level window of process pid with the class name, within ms.
HWND WaitForWindowOfClass(const char* className, DWORD pid, DWORD ms);
DWORD WindowProcess(HWND window);

// Waits until condition() holds, polling, for at most ms; returns its value.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD ms) {
  const ULONGLONG end = GetTickCount64() + ms;
  while (!condition()) {
    if (GetTickCount64() >= end) return condition();
    Sleep(5);
  }
  return true;
}

// A hidden top-level window of this process with the given title, for as long
// as the object lives.
class MarkerWindow {
 public:
  explicit MarkerWindow(const char* title);
  ~MarkerWindow();
  MarkerWindow(const MarkerWindow&) = delete;
  MarkerWindow& operator=(const MarkerWindow&) = delete;
  HWND hWnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

}  // namespace test
