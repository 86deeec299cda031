// Music in a real run: Kovaro.scr /s in a folder whose path holds blanks and
// Japanese characters, beside a stand-in visual program, with the choice in
// Kovaro.ini; what the run plays arrives in the session's audio file sink.
#include <gtest/gtest.h>

#include <windows.h>

#include "startup/settings.h"
#include "support/saver_folder.h"
#include "support/wav.h"

namespace {

using test::SaverFolder;

std::string TestAudio(const char* name) {
  return test::BuiltFile(std::string(KOVARO_TEST_AUDIO_DIR) + "/" + name);
}

bool SoundArrives(DWORD ms) {
  return test::WaitUntil([] { return test::AudibleBytesInSink() > 4000; }, ms);
}

TEST(MusicRun, TheChosenMusicPlaysWhileTheRunLasts) {
  const struct {
    const char* kind;
    const char* source;  // copied into the folder as name; null: no file
    const char* name;
    bool sounds;
  } cases[] = {
      /* 0 */ {" 2", "tone.mp3", "テスト 曲.mp3", true},
      /* 1 */ {" 2", "voice.wav", "声 サンプル.WAV", true},
      /* 2 */ {" 2", "tone.mp3", "曲.ogg", false},
      /* 3 */ {" 2", "voice.wav", "声.wave", false},
      /* 4 */ {" 2", nullptr, "無い.mp3", false},
      /* 5 */ {" 1", nullptr, "", false},  // no CD drive under Wine: the run goes on silent
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    const std::string row = "row " + std::to_string(i);
    SaverFolder folder("曲 フォルダ");
    folder.InstallSaver(test::BuiltFile(KOVARO_SCR));
    folder.InstallVisual(test::BuiltFile(STANDIN_VISUAL));
    if (c.source) CopyFileA(TestAudio(c.source).c_str(), (folder / c.name).c_str(), FALSE);
    folder.Write("Kovaro.ini", "[Section]\r\n" + std::string(Kovaro_B::kKeyKind) + "=" + c.kind +
                                   "\r\n" + Kovaro_B::kKeyFile + "=" + (folder / c.name) + "\r\n");
    test::ClearAudioSink();

    const test::Process saver = folder.Start("/s");
    const HWND visual = folder.WaitForVisualWindow(5000);
    ASSERT_NE(visual, nullptr) << row;
    EXPECT_EQ(SoundArrives(c.sounds ? 4000 : 1000), c.sounds) << row;
    EXPECT_FALSE(saver.WaitExit(0)) << row << ": the run goes on";

    PostMessageA(visual, WM_CLOSE, 0, 0);
    ASSERT_TRUE(saver.WaitExit(2000)) << row;
    EXPECT_EQ(saver.ExitCode(), 0u) << row << ": players are stopped and closed before the end";
    test::ClearAudioSink();
    Sleep(300);
    EXPECT_EQ(test::AudibleBytesInSink(), 0u) << row << ": sound after the run";
  }
}

}  // namespace
