// Test helper: the window a preview is asked to fill, in a process of its own
// as the display settings' window is.
// Usage: preview_host WIDTH HEIGHT [TITLE]
// Makes a borderless window of that size at 0, 0 (client area = window), prints
// its handle in decimal, then reads commands from standard input:
//   destroy   destroys the window (and with it any child), prints "destroyed"
// It ends at the end of its input.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <windows.h>

namespace {

constexpr UINT kDestroy = WM_APP + 1;
DWORD mainThread = 0;

LRESULT CALLBACK HostProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kDestroy) {
    DestroyWindow(window);
    std::printf("destroyed\n");
    std::fflush(stdout);
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

DWORD WINAPI ReadCommands(void* window) {
  char line[64];
  while (std::fgets(line, sizeof line, stdin)) {
    if (std::strncmp(line, "destroy", 7) == 0) PostMessageA(static_cast<HWND>(window), kDestroy, 0, 0);
  }
  PostThreadMessageA(mainThread, WM_QUIT, 0, 0);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  mainThread = GetCurrentThreadId();
  WNDCLASSA wc{};
  wc.lpfnWndProc = HostProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  wc.lpszClassName = "KovaroPreviewHost";
  RegisterClassA(&wc);
  const HWND window =
      CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, argc > 3 ? argv[3] : "Kovaro preview host",
                      WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, std::atoi(argv[1]), std::atoi(argv[2]),
                      nullptr, nullptr, wc.hInstance, nullptr);
  if (!window) return 1;
  std::printf("%d\n", static_cast<int>(reinterpret_cast<INT_PTR>(window)));
  std::fflush(stdout);
  CloseHandle(CreateThread(nullptr, 0, ReadCommands, window, 0, nullptr));
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
