#include "support/saver_folder.h"

#include <utility>

namespace test {

std::string BuiltFile(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

Process::Process(PROCESS_INFORMATION info) : handle_(info.hProcess), id_(info.dwProcessId) {
  CloseHandle(info.hThread);
}

Process::Process(Process&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), id_(std::exchange(other.id_, 0)) {}

Process& Process::operator=(Process&& other) noexcept {
  std::swap(handle_, other.handle_);
  std::swap(id_, other.id_);
  return *this;
}

Process::~Process() {
  if (!handle_) return;
  if (!WaitExit(0)) {
    TerminateProcess(handle_, 1);
    WaitForSingleObject(handle_, 5000);
  }
  CloseHandle(handle_);
}

bool Process::WaitExit(DWORD ms) const {
  return handle_ && WaitForSingleObject(handle_, ms) == WAIT_OBJECT_0;
}

DWORD Process::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (handle_) GetExitCodeProcess(handle_, &code);
  return code;
}

Process Launch(const std::string& program, const std::string& args) {
  std::string commandLine = "\"" + program + "\"" + (args.empty() ? "" : " " + args);
  for (int attempt = 0; attempt < 2; ++attempt) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string buffer = commandLine;
    if (CreateProcessA(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &info)) {
      return Process(info);
    }
  }
  return Process();
}

SaverFolder::SaverFolder(const std::string& sub)
    : path_(sub.empty() ? root_.path() : root_ / sub) {
  if (!sub.empty()) CreateDirectoryA(path_.c_str(), nullptr);
}

void SaverFolder::Install(const std::string& built, const std::string& as) {
  CopyFileA(built.c_str(), (*this / as).c_str(), FALSE);
}

void SaverFolder::Write(const std::string& name, const std::string& bytes) const {
  WriteFile(*this / name, bytes);
}

std::string SaverFolder::Read(const std::string& name) const { return ReadFile(*this / name); }

std::vector<std::string> SaverFolder::Lines(const std::string& name) const {
  std::vector<std::string> lines;
  std::string line;
  for (char c : Read(name)) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else if (c != '\r') {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

Process SaverFolder::Start(const std::string& args) const { return Launch(*this / "Kovaro.scr", args); }

namespace {

std::string ProcessImage(DWORD pid) {
  const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  if (!process) return {};
  char image[MAX_PATH * 4] = {};
  DWORD size = sizeof image;
  if (!QueryFullProcessImageNameA(process, 0, image, &size)) size = 0;
  CloseHandle(process);
  return std::string(image, size);
}

}  // namespace

HWND SaverFolder::WaitForVisualWindow(DWORD ms) const {
  HWND found = nullptr;
  const std::string image = *this / "Kovaro.dll";
  WaitUntil([&] {
    found = nullptr;
    for (HWND w = FindWindowExA(nullptr, nullptr, nullptr, "KovaroVC"); w && !found;
         w = FindWindowExA(nullptr, w, nullptr, "KovaroVC")) {
      if (lstrcmpiA(ProcessImage(WindowProcess(w)).c_str(), image.c_str()) == 0) found = w;
    }
    return found != nullptr;
  }, ms);
  return found;
}

DWORD WindowProcess(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  return pid;
}

namespace {

struct Search {
  const char* title;
  const char* className;
  DWORD pid;
  HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  if (search.pid && WindowProcess(window) != search.pid) return TRUE;
  char text[256] = {};
  if (search.title) {
    GetWindowTextA(window, text, sizeof text);
    if (std::string(text) != search.title) return TRUE;
  }
  if (search.className) {
    GetClassNameA(window, text, sizeof text);
    if (std::string(text) != search.className) return TRUE;
  }
  search.found = window;
  return FALSE;
}

HWND WaitFor(Search search, DWORD ms) {
  WaitUntil([&] {
    search.found = nullptr;
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  }, ms);
  return search.found;
}

}  // namespace

HWND WaitForWindow(const char* title, DWORD ms, DWORD pid) {
  return WaitFor({title, nullptr, pid, nullptr}, ms);
}

HWND WaitForWindowOfClass(const char* className, DWORD pid, DWORD ms) {
  return WaitFor({nullptr, className, pid, nullptr}, ms);
}

MarkerWindow::MarkerWindow(const char* title)
    : hwnd_(CreateWindowExA(0, "STATIC", title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr)) {}

MarkerWindow::~MarkerWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

}  // namespace test
