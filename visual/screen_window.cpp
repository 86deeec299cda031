#include "screen_window.h"

#include <cstring>
#include <vector>
#include <windows.h>
#include <windowsx.h>

#include "end_rules.h"
#include "frame_clock.h"
#include "gdi.h"
#include "render.h"

namespace visual {

namespace {

struct Screen {
  HWND hwnd = nullptr;
  POINT origin{};              // the virtual screen's top-left corner
  std::vector<Rect> monitors;  // relative to origin
  MemoryDc memoryDc;
  OwnedBitmap bitmap;
  ScopedSelect selection;
  Canvas canvas;
  Renderer renderer;
  PointerWatch pointer;
  bool layoutStale = false;
  bool closePosted = false;
};

// The one window of the process.
Screen* gScreen = nullptr;

Rect VirtualScreen() {
  Rect r;
  r.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  r.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  r.right = r.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
  r.bottom = r.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
  if (r.Empty()) r = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return r;
}

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT bounds, LPARAM data) {
  reinterpret_cast<std::vector<Rect>*>(data)->push_back(
      {static_cast<int>(bounds->left), static_cast<int>(bounds->top), static_cast<int>(bounds->right),
       static_cast<int>(bounds->bottom)});
  return TRUE;
}

// Fits window, monitors and canvas to the virtual screen as it is now.
void Layout(Screen& s) {
  const Rect screen = VirtualScreen();
  s.origin = {screen.left, screen.top};
  std::vector<Rect> found;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&found));
  s.monitors.clear();
  for (const Rect& m : found) {
    s.monitors.push_back({m.left - screen.left, m.top - screen.top, m.right - screen.left, m.bottom - screen.top});
  }
  if (s.monitors.empty()) s.monitors.push_back({0, 0, screen.Width(), screen.Height()});
  SetWindowPos(s.hwnd, HWND_TOPMOST, screen.left, screen.top, screen.Width(), screen.Height(), SWP_NOACTIVATE);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = screen.Width();
  info.bmiHeader.biHeight = -screen.Height();  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  s.selection.Restore();
  s.bitmap.Reset(CreateDIBSection(s.memoryDc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  s.canvas = {};
  if (s.bitmap.get() && bits) {
    s.selection.Select(s.memoryDc.get(), s.bitmap.get());
    s.canvas = {static_cast<std::uint32_t*>(bits), screen.Width(), screen.Height(), screen.Width()};
    std::memset(bits, 0, static_cast<std::size_t>(screen.Width()) * screen.Height() * 4);
  }
  s.renderer.Forget();
  s.renderer.Prepare(s.monitors);
  InvalidateRect(s.hwnd, nullptr, FALSE);
}

void Blit(Screen& s, const Rect& r) {
  if (r.Empty() || !s.canvas.pixels) return;
  // The class has its own DC, so this costs no allocation.
  const HDC dc = GetDC(s.hwnd);
  BitBlt(dc, r.left, r.top, r.Width(), r.Height(), s.memoryDc.get(), r.left, r.top, SRCCOPY);
  ReleaseDC(s.hwnd, dc);
}

void Paint(Screen& s) {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(s.hwnd, &ps);
  const RECT& r = ps.rcPaint;
  if (s.canvas.pixels) {
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, s.memoryDc.get(), r.left, r.top, SRCCOPY);
  } else {
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  EndPaint(s.hwnd, &ps);
}

// Ending closes the window; its destruction ends the message loop.
void End(Screen& s, UINT message) {
  if (message == WM_CLOSE || message == WM_ENDSESSION) {
    s.closePosted = true;
    DestroyWindow(s.hwnd);
  } else if (!s.closePosted) {
    // Posted: the message being handled may be one of a sequence (activation)
    // that should run its course first.
    s.closePosted = true;
    PostMessageA(s.hwnd, WM_CLOSE, 0, 0);
  }
}

LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Screen* s = gScreen;
  if (!s) return DefWindowProcA(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_CREATE: {
      s->hwnd = hwnd;
      POINT at;
      if (GetCursorPos(&at)) s->pointer = {true, at};
      return 0;
    }
    case WM_PAINT:
      Paint(*s);
      return 0;
    case WM_ERASEBKGND:
      if (s->canvas.pixels) return 1;
      break;
    case WM_DISPLAYCHANGE:
      s->layoutStale = true;
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  POINT pointer{};
  if (message == WM_MOUSEMOVE) {
    pointer = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(hwnd, &pointer);
  }
  switch (ReactTo(message, wParam, pointer, s->pointer)) {
    case Reaction::kEnd:
      End(*s, message);
      if (message == WM_CLOSE || message == WM_ENDSESSION) return 0;
      break;
    case Reaction::kRefuse:
      return 0;
    case Reaction::kHideCursor:
      SetCursor(nullptr);
      return TRUE;
    case Reaction::kPassOn:
      break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Handles what is waiting; false once the window has gone.
bool Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) return false;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

std::uint32_t ReportedRefreshRate() {
  DEVMODEA mode{};
  mode.dmSize = sizeof(mode);
  return EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode) ? mode.dmDisplayFrequency : 0;
}

}  // namespace

ShowResult ShowPicture(double stopAfter) {
  Screen screen;
  gScreen = &screen;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA windowClass{};
  windowClass.style = CS_OWNDC;
  windowClass.lpfnWndProc = WndProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = kWindowClass;
  RegisterClassA(&windowClass);

  // The window comes first, black, before anything heavy is set up.
  const Rect bounds = VirtualScreen();
  CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kWindowClass, kWindowTitle, WS_POPUP, bounds.left, bounds.top,
                  bounds.Width(), bounds.Height(), nullptr, nullptr, instance, nullptr);
  ShowResult result;
  if (!screen.hwnd) {
    gScreen = nullptr;
    return result;
  }
  ShowWindow(screen.hwnd, SW_SHOW);
  SetForegroundWindow(screen.hwnd);
  UpdateWindow(screen.hwnd);
  ShowCursor(FALSE);

  Layout(screen);
  FrameClock clock(RefreshRateHz(ReportedRefreshRate()));
  while (Pump()) {
    if (screen.layoutStale) {
      screen.layoutStale = false;
      Layout(screen);
    }
    const double t = clock.Seconds();
    if (stopAfter > 0 && t >= stopAfter) {
      if (!screen.closePosted) {
        result.seconds = t;
        screen.closePosted = true;
        PostMessageA(screen.hwnd, WM_CLOSE, 0, 0);
      }
      if (!clock.Wait(Pump)) break;
      continue;
    }
    GdiFlush();  // GDI must be done with the bits before they change
    Blit(screen, screen.renderer.Render(screen.canvas, screen.monitors, t));
    ++result.frames;
    if (!clock.Wait(Pump)) break;
  }
  if (result.seconds == 0) result.seconds = clock.Seconds();
  ShowCursor(TRUE);
  gScreen = nullptr;
  return result;
}

}  // namespace visual
