#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/temp_folder.h"
#include "visual_run.h"

namespace {

// A spot well inside the screen, where each run starts with the pointer.
constexpr int kStartX = 700, kStartY = 500;

// Starts the program with the pointer at the start spot and waits for its window.
HWND StartAndWait(test::VisualRun& run) {
  if (!run.started()) return nullptr;
  HWND hwnd = run.WaitForWindow();
  // Give it a few frames and let it take its start position.
  Sleep(150);
  return hwnd;
}

TEST(VisualWindow, CoversTheWholeScreenTopmostWithoutBorderAndAnimatesTheSpiral) {
  SetCursorPos(kStartX, kStartY);
  test::VisualRun run;
  const HWND hwnd = StartAndWait(run);
  ASSERT_NE(hwnd, nullptr);

  RECT r;
  ASSERT_TRUE(GetWindowRect(hwnd, &r));
  EXPECT_EQ(r.left, GetSystemMetrics(SM_XVIRTUALSCREEN));
  EXPECT_EQ(r.top, GetSystemMetrics(SM_YVIRTUALSCREEN));
  EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
  EXPECT_EQ(r.bottom - r.top, GetSystemMetrics(SM_CYVIRTUALSCREEN));
  const LONG style = GetWindowLongA(hwnd, GWL_STYLE), exStyle = GetWindowLongA(hwnd, GWL_EXSTYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME));
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_EQ(GetForegroundWindow(), hwnd);
  CURSORINFO cursor{};
  cursor.cbSize = sizeof(cursor);
  ASSERT_TRUE(GetCursorInfo(&cursor));
  EXPECT_FALSE(cursor.flags & CURSOR_SHOWING);  // Wine reports the foreground's cursor

  // The first frames may still be on their way: look again for a while.
  test::Pixels first;
  test::Census c;
  for (const DWORD start = GetTickCount(); GetTickCount() - start < 3000; Sleep(50)) {
    first = test::CaptureScreen();
    c = test::CountColours(first);
    if (c.red > 200 && c.yellow > 200 && c.green > 200) break;
  }
  Sleep(250);
  const test::Pixels later = test::CaptureScreen();
  EXPECT_GT(c.black, c.total * 6 / 10);
  EXPECT_GT(c.red, 200);
  EXPECT_GT(c.yellow, 200);
  EXPECT_GT(c.green, 200);
  EXPECT_EQ(first.At(0, 0), 0u);
  EXPECT_EQ(first.At(first.width - 1, first.height - 1), 0u);
  EXPECT_NE(first.rgb, later.rgb);  // it moves
  EXPECT_FALSE(run.WaitForExit(0));
}

TEST(VisualWindow, InputEndsItButJitterAndMediaKeysDoNot) {
  const struct {
    const char* what;
    std::function<void()> give;
    bool ends;
  } cases[] = {
      /* 0 */ {"a key", [] { test::PressKey('A'); }, true},
      /* 1 */ {"a click", [] { test::Click(); }, true},
      /* 2 */ {"a move of 20 px", [] { test::MovePointerTo(kStartX + 20, kStartY); }, true},
      /* 3 */ {"a move of 20 px up", [] { test::MovePointerTo(kStartX, kStartY - 20); }, true},
      /* 4 */ {"a move of 1 px", [] { test::MovePointerTo(kStartX + 1, kStartY); }, false},
      /* 5 */ {"jitter of 2 px", [] { test::MovePointerTo(kStartX - 2, kStartY + 2); }, false},
      /* 6 */ {"the volume-up key", [] { test::PressKey(VK_VOLUME_UP); }, false},
      /* 7 */ {"the play/pause key", [] { test::PressKey(VK_MEDIA_PLAY_PAUSE); }, false},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SetCursorPos(kStartX, kStartY);
    test::VisualRun run;
    ASSERT_NE(StartAndWait(run), nullptr) << "row " << i;
    cases[i].give();
    if (cases[i].ends) {
      EXPECT_TRUE(run.WaitForWindowGone()) << "row " << i << ": " << cases[i].what;
      EXPECT_TRUE(run.WaitForExit()) << "row " << i << ": " << cases[i].what;
      EXPECT_EQ(run.exitCode(), 0u) << "row " << i;
    } else {
      Sleep(300);
      EXPECT_NE(FindWindowA(nullptr, "KovaroVC"), nullptr) << "row " << i << ": " << cases[i].what;
      EXPECT_FALSE(run.WaitForExit(0)) << "row " << i << ": " << cases[i].what;
      // Still listening: a key ends it.
      test::PressKey(VK_SPACE);
      EXPECT_TRUE(run.WaitForExit()) << "row " << i << ": " << cases[i].what;
    }
  }
}

TEST(VisualWindow, LosingActivationOrBeingClosedEndsIt) {
  const struct {
    const char* what;
    std::function<void(HWND)> act;
  } cases[] = {
      /* 0 */ {"WM_CLOSE", [](HWND hwnd) { PostMessageA(hwnd, WM_CLOSE, 0, 0); }},
      /* 1 */ {"another window activated",
               [](HWND) {
                 HWND other = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                              nullptr, nullptr, nullptr, nullptr);
                 SetForegroundWindow(other);
                 MSG msg;
                 const DWORD start = GetTickCount();
                 while (GetTickCount() - start < 200) {
                   while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
                   Sleep(5);
                 }
                 DestroyWindow(other);
               }},
      /* 2 */ {"the session ending", [](HWND hwnd) { SendMessageA(hwnd, WM_ENDSESSION, TRUE, 0); }},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SetCursorPos(kStartX, kStartY);
    test::VisualRun run;
    const HWND hwnd = StartAndWait(run);
    ASSERT_NE(hwnd, nullptr) << "row " << i;
    cases[i].act(hwnd);
    EXPECT_TRUE(run.WaitForWindowGone()) << "row " << i << ": " << cases[i].what;
    EXPECT_TRUE(run.WaitForExit()) << "row " << i << ": " << cases[i].what;
  }
}

TEST(VisualFrame, RendersABlackGroundWithRedYellowAndGreenDots) {
  test::TempFolder folder;
  const std::string a = folder / "a.bmp", b = folder / "b.bmp", c = folder / "c.bmp";
  for (const auto& [path, t] : {std::pair{a, "4.5"}, std::pair{b, "4.5"}, std::pair{c, "4.6"}}) {
    test::VisualRun run("--frame 320 240 " + std::string(t) + " " + path);
    ASSERT_TRUE(run.WaitForExit()) << path;
    EXPECT_EQ(run.exitCode(), 0u) << path;
  }
  EXPECT_EQ(FindWindowA(nullptr, "KovaroVC"), nullptr);  // no window for a frame

  const std::string bytes = test::ReadFile(a);
  test::Pixels frame;
  ASSERT_TRUE(test::DecodeBmp24(bytes, frame));
  EXPECT_EQ(frame.width, 320);
  EXPECT_EQ(frame.height, 240);
  const test::Census census = test::CountColours(frame);
  EXPECT_GT(census.black, census.total * 6 / 10);
  EXPECT_GT(census.red, 20);
  EXPECT_GT(census.yellow, 20);
  EXPECT_GT(census.green, 20);
  for (int x = 0; x < 320; ++x) {
    ASSERT_EQ(frame.At(x, 0), 0u) << x;
    ASSERT_EQ(frame.At(x, 239), 0u) << x;
  }
  EXPECT_EQ(test::ReadFile(b), bytes);  // the same time, the same frame
  EXPECT_NE(test::ReadFile(c), bytes);

  test::VisualRun malformed("--frame 320 0 1 " + folder / "d.bmp");
  ASSERT_TRUE(malformed.WaitForExit());
  EXPECT_EQ(malformed.exitCode(), 2u);
  EXPECT_EQ(GetFileAttributesA((folder / "d.bmp").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
