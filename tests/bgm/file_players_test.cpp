// The MP3 and WAV players against a scripted winmm: the exact commands and
// PlaySoundA calls. What they sound like is shown under Wine elsewhere.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bgm/kovaro_bgm.h"
#include "fake_winmm.h"
#include "startup/kovaro_b.h"

namespace {

using namespace Kovaro_BGM;
using Commands = std::vector<std::string>;

constexpr std::int32_t kUntouched = 4711;
const char kFile[] = "C:\\曲 フォルダ\\テスト 曲.mp3";

void ResetPlayers() {
  MP3_ModeBuffer.fill('\0');
  BGM_File = kFile;
  Kovaro_B::ApiRet = kUntouched;
}

TEST(Mp3Player, OpenPlaysOnlyAfterASuccessfulOpen) {
  const std::string open = std::string("open \"") + kFile + "\" type MPEGVideo Alias MP3Play";
  for (const MCIERROR openResult : {MCIERROR{0}, MCIERROR{MCIERR_FILE_NOT_FOUND}}) {
    ResetPlayers();
    bgmtest::FakeWinmm winmm;
    winmm.answer = [&](const std::string& command) {
      return bgmtest::MciAnswer{command == open ? openResult : 0u, ""};
    };
    MP3_Open();
    const Commands expected =
        openResult ? Commands{open} : Commands{open, "play MP3Play"};
    EXPECT_EQ(winmm.Commands(), expected) << "open result " << openResult << ": got "
                                          << bgmtest::DescribeCommands(winmm.Commands());
    for (const bgmtest::MciCall& call : winmm.calls) {
      EXPECT_FALSE(call.hasBuffer) << call.command;
      EXPECT_EQ(call.length, 0u) << call.command;
      EXPECT_EQ(call.callback, nullptr) << call.command;
    }
    EXPECT_EQ(Kovaro_B::ApiRet, kUntouched);
  }
}

// Ticks in a row through the same mode buffer.
TEST(Mp3Player, LoopRestartsWhenTheModeIsNotPlaying) {
  const Commands query = {"status MP3Play mode"};
  const Commands restart = {"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"};
  const struct {
    MCIERROR code;
    const char* mode;
    bool playing;
    Commands sent;
  } ticks[] = {
      /* 0 */ {0, "playing", true, query},
      /* 1 */ {0, "stopped", false, restart},
      /* 2 */ {0, "playing and more", true, query},
      /* 3 */ {0, "Playing", false, restart},
      /* 4 */ {0, "paused", false, restart},
      /* 5 */ {0, "not ready", false, restart},
      /* 6 */ {0, "playing", true, query},
      // A failed query writes nothing: the last mode read still counts.
      /* 7 */ {MCIERR_INVALID_DEVICE_NAME, "", true, query},
      /* 8 */ {0, "play", false, restart},
  };
  ResetPlayers();
  for (std::size_t i = 0; i < std::size(ticks); ++i) {
    bgmtest::FakeWinmm winmm;
    winmm.answer = [&](const std::string& command) {
      if (command == "status MP3Play mode") return bgmtest::MciAnswer{ticks[i].code, ticks[i].mode};
      return bgmtest::MciAnswer{MCIERR_INVALID_DEVICE_NAME, ""};
    };
    EXPECT_EQ(MP3_IsPlaying(), ticks[i].playing) << "row " << i;
    ASSERT_EQ(winmm.calls.size(), 1u) << "row " << i;
    EXPECT_TRUE(winmm.calls[0].hasBuffer) << "row " << i;
    EXPECT_EQ(winmm.calls[0].length, 30u) << "row " << i;

    winmm.calls.clear();
    MP3_Loop();
    EXPECT_EQ(winmm.Commands(), ticks[i].sent)
        << "row " << i << ": got " << bgmtest::DescribeCommands(winmm.Commands());
  }
  EXPECT_EQ(Kovaro_B::ApiRet, kUntouched);
}

TEST(Mp3Player, StopStopsAndCloses) {
  ResetPlayers();
  bgmtest::FakeWinmm winmm;
  MP3_Stop();
  EXPECT_EQ(winmm.Commands(), (Commands{"stop MP3Play", "close MP3Play"}));
  EXPECT_EQ(Kovaro_B::ApiRet, kUntouched);
}

TEST(WavPlayer, PlaysLoopingOnlyWithAWaveDevice) {
  const struct {
    UINT devices;
    BOOL result;
    std::size_t calls;
    std::int32_t apiRet;
  } rows[] = {
      /* 0 */ {0, TRUE, 0, kUntouched},
      /* 1 */ {1, TRUE, 1, TRUE},
      /* 2 */ {2, FALSE, 1, FALSE},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    ResetPlayers();
    BGM_File = "C:\\曲 フォルダ\\テスト 曲.wav";
    bgmtest::FakeWinmm winmm;
    winmm.waveDevices = rows[i].devices;
    winmm.playSoundResult = rows[i].result;
    WAV_Play();
    ASSERT_EQ(winmm.sounds.size(), rows[i].calls) << "row " << i;
    EXPECT_EQ(Kovaro_B::ApiRet, rows[i].apiRet) << "row " << i;
    EXPECT_TRUE(winmm.calls.empty()) << "row " << i;
    if (rows[i].calls == 0) continue;
    EXPECT_EQ(winmm.sounds[0].name, BGM_File) << "row " << i;
    EXPECT_EQ(winmm.sounds[0].module, nullptr) << "row " << i;
    EXPECT_EQ(winmm.sounds[0].flags, 9u) << "row " << i;
  }
}

TEST(WavPlayer, StopSilencesWithANullName) {
  ResetPlayers();
  bgmtest::FakeWinmm winmm;
  winmm.waveDevices = 0;  // stopping does not ask
  winmm.playSoundResult = FALSE;
  WAV_Stop();
  ASSERT_EQ(winmm.sounds.size(), 1u);
  EXPECT_FALSE(winmm.sounds[0].hasName);
  EXPECT_EQ(winmm.sounds[0].module, nullptr);
  EXPECT_EQ(winmm.sounds[0].flags, 0u);
  EXPECT_EQ(Kovaro_B::ApiRet, FALSE);
}

}  // namespace
