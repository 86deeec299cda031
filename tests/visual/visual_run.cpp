#include "visual_run.h"

#include <cstring>

#include "screen_window.h"
#include "support/saver_folder.h"

namespace test {

std::string VisualProgramPath() { return BuiltFile(KOVARO_VISUAL_PROGRAM); }

VisualRun::VisualRun(const std::string& arguments) {
  std::string commandLine = VisualProgramPath();
  if (!arguments.empty()) commandLine += " " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION info{};
  // Wine very rarely fails a start with an internal error: try once more.
  for (int attempt = 0; attempt < 2 && !process_; ++attempt) {
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    if (CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
      CloseHandle(info.hThread);
      process_ = info.hProcess;
    }
  }
}

VisualRun::~VisualRun() {
  if (!process_) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 3000);
  }
  CloseHandle(process_);
}

HWND VisualRun::WaitForWindow(DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (HWND hwnd = FindWindowA(nullptr, visual::kWindowTitle)) return hwnd;
    if (GetTickCount() - start > timeoutMs) return nullptr;
    Sleep(5);
  }
}

bool VisualRun::WaitForWindowGone(DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (FindWindowA(nullptr, visual::kWindowTitle)) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(5);
  }
  return true;
}

bool VisualRun::WaitForExit(DWORD timeoutMs) {
  return process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

DWORD VisualRun::exitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_) GetExitCodeProcess(process_, &code);
  return code;
}

void PressKey(WORD virtualKey) {
  INPUT input[2]{};
  input[0].type = input[1].type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[1].ki.wVk = virtualKey;
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
}

void Click() {
  INPUT input[2]{};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
}

void MovePointerTo(int x, int y) {
  // Absolute, so that no pointer acceleration changes the distance.
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  input.mi.dx = static_cast<LONG>((x * 65536LL + w / 2) / w);
  input.mi.dy = static_cast<LONG>((y * 65536LL + h / 2) / h);
  SendInput(1, &input, sizeof(INPUT));
}

Pixels CaptureScreen() {
  Pixels p;
  p.width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  p.height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = p.width;
  info.bmiHeader.biHeight = -p.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, p.width, p.height, screen, GetSystemMetrics(SM_XVIRTUALSCREEN),
         GetSystemMetrics(SM_YVIRTUALSCREEN), SRCCOPY);
  GdiFlush();
  p.rgb.assign(static_cast<const unsigned*>(bits), static_cast<const unsigned*>(bits) + p.width * p.height);
  for (unsigned& v : p.rgb) v &= 0xffffff;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return p;
}

bool DecodeBmp24(const std::string& bytes, Pixels& out) {
  auto u32 = [&](std::size_t at) {
    unsigned v = 0;
    std::memcpy(&v, bytes.data() + at, 4);
    return v;
  };
  if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0 || u32(10) != 54 || (u32(28) & 0xffff) != 24) return false;
  out.width = static_cast<int>(u32(18));
  out.height = static_cast<int>(u32(22));
  const std::size_t rowBytes = (static_cast<std::size_t>(out.width) * 3 + 3) & ~std::size_t{3};
  if (bytes.size() != 54 + rowBytes * out.height) return false;
  out.rgb.resize(static_cast<std::size_t>(out.width) * out.height);
  for (int y = 0; y < out.height; ++y) {
    const unsigned char* row =
        reinterpret_cast<const unsigned char*>(bytes.data()) + 54 + rowBytes * (out.height - 1 - y);
    for (int x = 0; x < out.width; ++x) {
      out.rgb[static_cast<std::size_t>(y) * out.width + x] = row[3 * x] | row[3 * x + 1] << 8 | row[3 * x + 2] << 16;
    }
  }
  return true;
}

Census CountColours(const Pixels& p) {
  Census c;
  for (const unsigned v : p.rgb) {
    const int r = (v >> 16) & 0xff, g = (v >> 8) & 0xff, b = v & 0xff;
    ++c.total;
    if (r + g + b == 0) {
      ++c.black;
    } else if (r >= 120 && g < r / 2 && b < r / 3) {
      ++c.red;
    } else if (r >= 120 && g >= r * 55 / 100 && b < g / 3) {
      ++c.yellow;
    } else if (g >= 120 && r < g / 2 && b < g / 2) {
      ++c.green;
    }
  }
  return c;
}

}  // namespace test
