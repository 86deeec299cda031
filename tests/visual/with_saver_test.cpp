// The saver's full-screen run with the real visual program beside it.
#include <gtest/gtest.h>

#include "support/saver_folder.h"
#include "visual_run.h"

namespace {

TEST(WithSaver, TheRunShowsThePictureAndEndsWhenInputEndsIt) {
  test::SaverFolder folder("Kovaro 表示");
  folder.InstallSaver(test::BuiltFile(KOVARO_SCR));
  folder.InstallVisual(test::BuiltFile(KOVARO_VISUAL_PROGRAM));
  SetCursorPos(640, 480);
  const test::Process saver = folder.Start("/s");
  ASSERT_TRUE(saver.Started());
  const HWND picture = test::WaitForWindow("KovaroVC", 5000);
  ASSERT_NE(picture, nullptr);
  const DWORD visualProcess = test::WindowProcess(picture);
  EXPECT_NE(visualProcess, saver.Id());
  const HANDLE visual = OpenProcess(SYNCHRONIZE, FALSE, visualProcess);
  ASSERT_NE(visual, nullptr);

  // The run goes on while the picture shows.
  Sleep(400);
  EXPECT_FALSE(saver.WaitExit(0));
  EXPECT_NE(test::WaitForWindow("KovaroVC", 0), nullptr);

  test::PressKey('K');
  EXPECT_TRUE(test::WaitUntil([] { return FindWindowA(nullptr, "KovaroVC") == nullptr; }, 2000));
  ASSERT_TRUE(saver.WaitExit(2000));
  EXPECT_EQ(saver.ExitCode(), 0u);
  // And the visual program has gone too.
  EXPECT_EQ(WaitForSingleObject(visual, 2000), WAIT_OBJECT_0);
  CloseHandle(visual);
}

}  // namespace
