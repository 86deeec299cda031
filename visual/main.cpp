// The visual program: shows the picture until the user ends it, or serves one
// of the tooling options (see command_line.h).
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>
#include <windows.h>

#include "bmp_file.h"
#include "command_line.h"
#include "render.h"
#include "screen_window.h"

namespace {

// Physical pixels on every monitor, whatever its scale.
void UsePhysicalPixels() {
  const HMODULE user32 = GetModuleHandleA("user32.dll");
  using SetContext = BOOL(WINAPI*)(HANDLE);
  const auto setContext = reinterpret_cast<SetContext>(
      reinterpret_cast<void (*)()>(GetProcAddress(user32, "SetProcessDpiAwarenessContext")));
  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, then the older per-monitor mode.
  if (setContext && (setContext(reinterpret_cast<HANDLE>(-4)) || setContext(reinterpret_cast<HANDLE>(-3)))) return;
  SetProcessDPIAware();
}

int RenderFrameFile(const visual::Request& request) {
  // Large frames may not fit: a failed allocation is an exit code, not a throw.
  const std::size_t count = static_cast<std::size_t>(request.width) * request.height;
  const std::unique_ptr<std::uint32_t[]> pixels(new (std::nothrow) std::uint32_t[count]());
  if (!pixels) return 1;
  visual::Canvas canvas{pixels.get(), request.width, request.height, request.width};
  visual::Renderer renderer;
  renderer.Render(canvas, {{0, 0, request.width, request.height}}, request.seconds);
  return visual::WriteWholeFile(request.outPath,
                                visual::EncodeBmp24(pixels.get(), request.width, request.height, request.width))
             ? 0
             : 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::vector<std::string> args(__argv + (__argc > 0 ? 1 : 0), __argv + __argc);
  const visual::Request request = visual::ParseArguments(args);
  switch (request.kind) {
    case visual::Request::Kind::kMalformed:
      return 2;
    case visual::Request::Kind::kFrame:
      return RenderFrameFile(request);
    case visual::Request::Kind::kBench: {
      UsePhysicalPixels();
      const visual::ShowResult shown = visual::ShowPicture(request.seconds);
      char text[96];
      std::snprintf(text, sizeof text, "frames %llu\nseconds %.3f\n", static_cast<unsigned long long>(shown.frames),
                    shown.seconds);
      return visual::WriteWholeFile(request.outPath, text) ? 0 : 1;
    }
    case visual::Request::Kind::kShow:
      break;
  }
  UsePhysicalPixels();
  visual::ShowPicture(0);
  return 0;
}
