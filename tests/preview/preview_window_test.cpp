// The preview end to end: the saver started with /p HANDLE of a window that
// another process holds, as the display settings' dialog does.
#include <gtest/gtest.h>

#include <optional>

#include "preview/child_process.h"
#include "preview/pixels.h"
#include "support/saver_folder.h"
#include "support/temp_folder.h"

namespace {

constexpr int kJpegTolerance = 12;

struct Area {
  int width, height;
};
// The picture's own size, larger, smaller, and a host's full-screen preview.
constexpr Area kAreas[] = {{152, 112}, {300, 200}, {100, 80}, {2560, 1440}};

// The built saver, started with the argument text.
std::string SaverCommand(const std::string& args) {
  std::string command = "\"";
  command.append(test::BuiltFile(KOVARO_SCR_UNIX_PATH)).append("\" ").append(args);
  return command;
}
std::string SaverCommand(const test::HostWindow& host) { return SaverCommand("/p " + host.HandleText()); }

// The test build of the preview, whose probe saves what the preview shows.
std::string ProbeCommand(const test::HostWindow& host) {
  return test::QuotedHelper("preview_probe.exe").append(" /p ").append(host.HandleText());
}

// The preview window inside parent, once shown; null after timeoutMs.
HWND WaitForPreview(HWND parent, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  do {
    const HWND preview = FindWindowExA(parent, nullptr, nullptr, "Preview Window");
    if (preview && IsWindowVisible(preview)) return preview;
    Sleep(5);
  } while (GetTickCount() - start < timeoutMs);
  return nullptr;
}

TEST(PreviewWindow, BecomesAChildCoveringTheParentAndEndsWithIt) {
  for (std::size_t i = 0; i < std::size(kAreas); ++i) {
    const auto [width, height] = kAreas[i];
    test::HostWindow host(width, height);
    ASSERT_NE(host.window(), nullptr) << "row " << i;
    test::ChildProcess saver;
    ASSERT_TRUE(saver.Start(SaverCommand(host), false)) << "row " << i;

    const HWND preview = WaitForPreview(host.window(), 5000);
    ASSERT_NE(preview, nullptr) << "row " << i;
    EXPECT_EQ(GetAncestor(preview, GA_PARENT), host.window()) << "row " << i;
    EXPECT_TRUE(GetWindowLongA(preview, GWL_STYLE) & WS_CHILD) << "row " << i;
    DWORD owner = 0;
    GetWindowThreadProcessId(preview, &owner);
    EXPECT_EQ(owner, saver.id()) << "row " << i;
    RECT area{}, shown{};
    GetClientRect(host.window(), &area);
    MapWindowPoints(host.window(), nullptr, reinterpret_cast<POINT*>(&area), 2);
    GetWindowRect(preview, &shown);
    EXPECT_TRUE(EqualRect(&area, &shown))
        << "row " << i << ": preview " << shown.left << "," << shown.top << "-" << shown.right << ","
        << shown.bottom << ", area " << area.left << "," << area.top << "-" << area.right << "," << area.bottom;

    EXPECT_FALSE(saver.WaitForEnd(0)) << "row " << i;
    ASSERT_TRUE(host.Destroy()) << "row " << i;
    EXPECT_TRUE(saver.WaitForEnd(1000)) << "row " << i << ": the saver outlived its parent";
  }
}

TEST(PreviewWindow, ShowsThePictureAtTheTopLeftAndBlackBeyond) {
  const test::Pixels picture = test::DecodeWithWic(test::ReadFile(test::BuiltFile(KOVARO_PREVIEW_PICTURE_UNIX_PATH)));
  ASSERT_EQ(picture.width, 152);
  ASSERT_EQ(picture.height, 112);
  test::TempFolder folder;
  for (std::size_t i = 0; i < std::size(kAreas); ++i) {
    const auto [width, height] = kAreas[i];
    test::HostWindow host(width, height);
    ASSERT_NE(host.window(), nullptr) << "row " << i;
    const std::string capture = folder / ("preview" + std::to_string(i));
    SetEnvironmentVariableA("KOVARO_PREVIEW_PROBE", capture.c_str());
    test::ChildProcess saver;
    const bool started = saver.Start(ProbeCommand(host), false);
    SetEnvironmentVariableA("KOVARO_PREVIEW_PROBE", nullptr);
    ASSERT_TRUE(started) << "row " << i;

    std::optional<test::Pixels> loaded;
    test::WaitUntil([&] { return (loaded = test::LoadPixels(capture)).has_value(); }, 5000);
    ASSERT_TRUE(loaded) << "row " << i << ": no capture";
    const test::Pixels& shown = *loaded;
    EXPECT_EQ(shown.width, width) << "row " << i;
    EXPECT_EQ(shown.height, height) << "row " << i;
    EXPECT_EQ(test::DifferenceFromPicture(shown, picture, kJpegTolerance), "") << "row " << i;
    host.Destroy();
  }
}

TEST(PreviewWindow, EndsAtOnceWhenTheHandleNamesNoWindow) {
  std::string gone;
  {
    test::HostWindow host(152, 112);
    ASSERT_NE(host.window(), nullptr);
    gone = host.HandleText();
    ASSERT_TRUE(host.Destroy());
  }
  const std::string cases[] = {
      /* 0 */ "/p",
      /* 1 */ "/p 0",
      /* 2 */ "/p abc",
      /* 3 */ "/p " + gone,  // a window that was destroyed
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    test::ChildProcess saver;
    ASSERT_TRUE(saver.Start(SaverCommand(cases[i]), false))
        << "row " << i;
    EXPECT_TRUE(saver.WaitForEnd(1000)) << "row " << i << " \"" << cases[i] << "\"";
  }
}

TEST(PreviewWindow, ClosingThePreviewEndsTheProcess) {
  test::HostWindow host(152, 112);
  ASSERT_NE(host.window(), nullptr);
  test::ChildProcess saver;
  ASSERT_TRUE(saver.Start(SaverCommand(host), false));
  const HWND preview = WaitForPreview(host.window(), 5000);
  ASSERT_NE(preview, nullptr);
  PostMessageA(preview, WM_CLOSE, 0, 0);
  EXPECT_TRUE(saver.WaitForEnd(1000));
  EXPECT_FALSE(IsWindow(preview));
}

TEST(PreviewWindow, ASecondPreviewRunsBesideTheFirst) {
  test::HostWindow first(152, 112), second(300, 200);
  ASSERT_NE(first.window(), nullptr);
  ASSERT_NE(second.window(), nullptr);
  test::ChildProcess firstSaver, secondSaver;
  ASSERT_TRUE(firstSaver.Start(SaverCommand(first), false));
  ASSERT_NE(WaitForPreview(first.window(), 5000), nullptr);
  ASSERT_TRUE(secondSaver.Start(SaverCommand(second), false));
  EXPECT_NE(WaitForPreview(second.window(), 5000), nullptr);

  ASSERT_TRUE(first.Destroy());
  EXPECT_TRUE(firstSaver.WaitForEnd(1000));
  EXPECT_FALSE(secondSaver.WaitForEnd(0));
  EXPECT_NE(WaitForPreview(second.window(), 0), nullptr);
  ASSERT_TRUE(second.Destroy());
  EXPECT_TRUE(secondSaver.WaitForEnd(1000));
}

TEST(PreviewWindow, EndsAtOnceWhileTheSaverRunsOrItsSettingsAreOpen) {
  test::HostWindow host(152, 112);
  ASSERT_NE(host.window(), nullptr);
  for (const char* marker : {"Kovaro_Main", "<Kovaro>"}) {
    const test::MarkerWindow running(marker);
    ASSERT_NE(running.hWnd(), nullptr) << marker;
    test::ChildProcess saver;
    ASSERT_TRUE(saver.Start(SaverCommand(host), false)) << marker;
    EXPECT_TRUE(saver.WaitForEnd(1000)) << marker;
    EXPECT_EQ(FindWindowExA(host.window(), nullptr, nullptr, "Preview Window"), nullptr) << marker;
  }
}

}  // namespace
