#include "preview/child_process.h"

#include <vector>

namespace test {

ChildProcess::~ChildProcess() {
  if (input_) CloseHandle(input_);
  if (output_) CloseHandle(output_);
  if (process_) {
    if (!WaitForEnd(2000)) TerminateProcess(process_, 1);
    CloseHandle(process_);
  }
}

bool ChildProcess::Start(const std::string& commandLine, bool withPipes) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  HANDLE childInput = nullptr, childOutput = nullptr;
  if (withPipes) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    if (!CreatePipe(&childInput, &input_, &inherit, 0) || !CreatePipe(&output_, &childOutput, &inherit, 0)) {
      return false;
    }
    SetHandleInformation(input_, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childInput;
    startup.hStdOutput = childOutput;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  }
  PROCESS_INFORMATION info{};
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  bool started = false;
  // Wine very rarely fails a start with ERROR_INTERNAL_ERROR; once more is enough.
  for (int attempt = 0; attempt < 2 && !started; ++attempt) {
    started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, withPipes, 0, nullptr, nullptr, &startup,
                             &info) != 0;
    if (!started && GetLastError() != ERROR_INTERNAL_ERROR) break;
  }
  if (childInput) CloseHandle(childInput);
  if (childOutput) CloseHandle(childOutput);
  if (!started) return false;
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  id_ = info.dwProcessId;
  return true;
}

bool ChildProcess::WaitForEnd(DWORD timeoutMs) const {
  return process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

std::string ChildProcess::ReadLine(DWORD timeoutMs) {
  std::string line;
  const DWORD start = GetTickCount();
  while (output_ && GetTickCount() - start < timeoutMs) {
    DWORD available = 0;
    if (!PeekNamedPipe(output_, nullptr, 0, nullptr, &available, nullptr)) break;
    if (available == 0) {
      Sleep(5);
      continue;
    }
    char c = 0;
    DWORD read = 0;
    if (!ReadFile(output_, &c, 1, &read, nullptr) || read == 0) break;
    if (c == '\n') return line;
    if (c != '\r') line.push_back(c);
  }
  return {};
}

void ChildProcess::WriteLine(const std::string& line) {
  const std::string bytes = line + "\n";
  DWORD written = 0;
  if (input_) WriteFile(input_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

HostWindow::HostWindow(int width, int height, const std::string& title) {
  std::string command = QuotedHelper("preview_host.exe");
  command.append(" ").append(std::to_string(width)).append(" ").append(std::to_string(height));
  if (!title.empty()) command.append(" \"").append(title).append("\"");
  if (!host_.Start(command, true)) return;
  const std::string handle = host_.ReadLine(5000);
  if (!handle.empty()) window_ = reinterpret_cast<HWND>(static_cast<INT_PTR>(std::stoll(handle)));
}

std::string HostWindow::HandleText() const {
  return std::to_string(static_cast<int>(reinterpret_cast<INT_PTR>(window_)));
}

bool HostWindow::Destroy() {
  host_.WriteLine("destroy");
  return host_.ReadLine(2000) == "destroyed";
}

std::string QuotedHelper(const std::string& name) {
  std::string quoted = "\"";
  quoted.append(HelperPath(name)).append("\"");
  return quoted;
}

std::string HelperPath(const std::string& name) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.erase(folder.find_last_of('\\') + 1);
  return folder + name;
}

}  // namespace test
