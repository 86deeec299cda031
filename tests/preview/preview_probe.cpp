// A test build of the preview: the product's start-up and form, plus a probe.
// When KOVARO_PREVIEW_PROBE names a file, the probe waits for the preview
// window to be shown, paints it into a memory DC (as Windows would print it)
// and saves the pixels there. What one process paints into another's window
// cannot be read from Wine's screen, so the pixels are taken here, in the
// process that paints them.
#include <string>
#include <windows.h>

#include "forms/app.h"
#include "preview/kovaro_r.h"
#include "preview/parent_handle.h"
#include "preview/pixels.h"

namespace {

std::string output;
HWND parent = nullptr;

void CALLBACK Probe(HWND, UINT, UINT_PTR id, DWORD) {
  const HWND preview = FindWindowExA(parent, nullptr, nullptr, "Preview Window");
  if (!preview || !IsWindowVisible(preview)) return;
  KillTimer(nullptr, id);
  RECT client{};
  GetClientRect(preview, &client);
  test::SavePixels(output, test::Capture(client.right, client.bottom,
                                         [&](HDC dc) { PrintWindow(preview, dc, 0); }));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH] = {};
  if (GetEnvironmentVariableA("KOVARO_PREVIEW_PROBE", path, MAX_PATH) > 0) {
    output = path;
    parent = reinterpret_cast<HWND>(static_cast<INT_PTR>(Kovaro_R::ParentHandle(forms::Command())));
    SetTimer(nullptr, 0, 10, Probe);
  }
  return forms::Run(Kovaro_R::PreviewStartup);
}
