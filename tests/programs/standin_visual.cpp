// A stand-in for the visual program. It appends its command line to
// visual.log and the performance counter at its start to started.log beside
// itself, then behaves as standin.ini beside it says:
//   [StandIn]
//   delay=MS   wait this long before showing the window (default 0)
//   show=0|1   show a window titled "KovaroVC" (default 1); with 0 it only
//              waits for input, as a program that never shows its picture
//   life=MS    end after this long (default 20000), so nothing is left behind
// Closing its window (WM_CLOSE, as a test sends) ends it.
#include <windows.h>

#include <string>

#include "forms/app.h"
#include "support/temp_folder.h"

using test::AppendLine;

namespace {

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}


}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  LARGE_INTEGER started;
  QueryPerformanceCounter(&started);
  const std::string folder = forms::AppPath();
  AppendLine(folder + "\\visual.log", GetCommandLineA());
  AppendLine(folder + "\\started.log", std::to_string(started.QuadPart));
  const std::string ini = folder + "\\standin.ini";
  const UINT delay = GetPrivateProfileIntA("StandIn", "delay", 0, ini.c_str());
  const UINT show = GetPrivateProfileIntA("StandIn", "show", 1, ini.c_str());
  const UINT life = GetPrivateProfileIntA("StandIn", "life", 20000, ini.c_str());

  Sleep(delay);
  WNDCLASSA wc{};
  wc.lpfnWndProc = WndProc;
  wc.hInstance = instance;
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  wc.lpszClassName = "KovaroStandIn";
  RegisterClassA(&wc);
  if (show) {
    CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "KovaroStandIn", "KovaroVC",
                    WS_POPUP | WS_VISIBLE, 0, 0, 64, 64, nullptr, nullptr, instance, nullptr);
  }
  SetTimer(nullptr, 0, life, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER && msg.hwnd == nullptr) break;
    DispatchMessageA(&msg);
  }
  return 0;
}
