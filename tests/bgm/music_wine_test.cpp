// The players for real under Wine: what arrives at the sound device (the
// session's audio file sink), and what winmm answers. Wine has no CD drive.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bgm/kovaro_bgm.h"
#include "fake_winmm.h"
#include "startup/kovaro_b.h"
#include "support/saver_folder.h"
#include "support/temp_folder.h"
#include "support/wav.h"

namespace {

using namespace Kovaro_BGM;

// A file made by make-test-audio, as Windows sees it.
std::string TestAudio(const char* name) {
  return test::BuiltFile(std::string(KOVARO_TEST_AUDIO_DIR) + "/" + name);
}

// Polls the sink until more than `bytes` audible bytes have arrived.
bool SoundArrives(std::size_t bytes = 4000, int timeoutMs = 4000) {
  for (int waited = 0; waited <= timeoutMs; waited += 20) {
    if (test::AudibleBytesInSink() > bytes) return true;
    Sleep(20);
  }
  return false;
}

bool StaysSilent(int ms) {
  test::ClearAudioSink();
  Sleep(ms);
  return test::AudibleBytesInSink() == 0;
}

// A path with blanks and Japanese characters, holding a copy of source.
class MusicFolder {
 public:
  MusicFolder(const std::string& source, const char* name)
      : folder_(temp_ / "曲 フォルダ"), file_(folder_ + "\\" + name) {
    CreateDirectoryA(folder_.c_str(), nullptr);
    copied = CopyFileA(source.c_str(), file_.c_str(), FALSE) != 0;
  }
  const std::string& file() const { return file_; }
  bool copied = false;

 private:
  test::TempFolder temp_;
  std::string folder_, file_;
};

class MusicUnderWine : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(test::AudioSinkPath().empty()) << "run under the test session";
    MP3_ModeBuffer.fill('\0');
    Kovaro_B::ApiRet = 0;
  }
};

TEST_F(MusicUnderWine, CdWithoutADriveEndsTheMonitorAtItsFirstQuery) {
  bgmtest::RecordingWinmm winmm;
  CD_Open();
  ASSERT_EQ(winmm.calls.size(), 2u);
  EXPECT_EQ(winmm.calls[0].result, static_cast<MCIERROR>(MCIERR_CANNOT_LOAD_DRIVER));
  EXPECT_NE(Kovaro_B::ApiRet, 0);

  winmm.calls.clear();
  CD_Monitor();
  EXPECT_FALSE(CD_Continue);
  EXPECT_EQ(winmm.Commands(), std::vector<std::string>{"status cdaudio current track"});
}

TEST_F(MusicUnderWine, Mp3PlaysFromAPathWithBlanksAndJapaneseUntilStopped) {
  MusicFolder music(TestAudio("tone.mp3"), "テスト 曲.mp3");
  ASSERT_TRUE(music.copied);
  BGM_File = music.file();
  test::ClearAudioSink();
  MP3_Open();
  EXPECT_TRUE(SoundArrives()) << "nothing heard from " << BGM_File;
  EXPECT_TRUE(MP3_IsPlaying());

  MP3_Stop();
  char mode[30] = {};
  EXPECT_NE(mciSendStringA("status MP3Play mode", mode, sizeof mode, nullptr), 0u)
      << "MP3Play still open, mode " << mode;
  EXPECT_TRUE(StaysSilent(300));
}

TEST_F(MusicUnderWine, ShortMp3StartsAgainFromItsBeginning) {
  MusicFolder music(TestAudio("short.mp3"), "短い 曲.mp3");
  ASSERT_TRUE(music.copied);
  BGM_File = music.file();
  bgmtest::RecordingWinmm winmm;
  test::ClearAudioSink();
  MP3_Open();
  ASSERT_EQ(winmm.calls.size(), 2u);
  ASSERT_EQ(winmm.calls[0].result, 0u) << winmm.calls[0].command;

  // Ticks faster than the run's one second, to see the restart soon.
  std::size_t restart = 0;
  double restartedAt = 0;
  char position[32] = {};
  for (int tick = 0; tick < 60 && !restart; ++tick) {
    Sleep(50);
    MP3_Loop();
    const auto& calls = winmm.calls;
    if (calls.back().command == "play MP3Play from 0") {
      restart = calls.size() - 1;
      restartedAt = calls.back().atMs;
      mciSendStringA("status MP3Play position", position, sizeof position, nullptr);
      test::ClearAudioSink();
    }
  }
  ASSERT_NE(restart, 0u) << "never restarted: " << bgmtest::DescribeCommands(winmm.Commands());
  const auto& ended = winmm.calls[restart - 2];
  EXPECT_EQ(ended.command, "status MP3Play mode");
  EXPECT_NE(ended.reply.substr(0, 7), "playing");
  EXPECT_EQ(winmm.calls[restart - 1].command, "stop MP3Play");
  EXPECT_EQ(winmm.calls[restart].result, 0u);
  // Every tick before the end found the file playing.
  for (std::size_t i = 2; i + 2 < restart; ++i) {
    EXPECT_EQ(winmm.calls[i].reply, "playing") << "call " << i;
  }
  EXPECT_LT(std::atoi(position), 250) << "position right after the restart: " << position;
  EXPECT_TRUE(SoundArrives()) << "nothing heard after the restart";
  EXPECT_TRUE(MP3_IsPlaying());
  std::printf("restart %.0f ms after the first call; end seen by the tick at %.0f ms\n",
              restartedAt - winmm.calls[0].atMs, ended.atMs - winmm.calls[0].atMs);
  MP3_Stop();
}

TEST_F(MusicUnderWine, WavLoopsFromAPathWithBlanksAndJapaneseUntilStopped) {
  MusicFolder music(TestAudio("voice.wav"), "テスト 曲.wav");
  ASSERT_TRUE(music.copied);
  BGM_File = music.file();
  test::ClearAudioSink();
  WAV_Play();
  EXPECT_EQ(Kovaro_B::ApiRet, TRUE);
  EXPECT_TRUE(SoundArrives()) << "nothing heard from " << BGM_File;
  WAV_Stop();
  EXPECT_EQ(Kovaro_B::ApiRet, TRUE);
  EXPECT_TRUE(StaysSilent(300));

  // A short tone shows the loop: it still sounds well after its own length.
  test::TempFolder folder;
  BGM_File = folder / "短い音.wav";
  test::WriteToneWav(BGM_File, 0.2);
  WAV_Play();
  Sleep(700);
  test::ClearAudioSink();
  EXPECT_TRUE(SoundArrives(1000, 1000)) << "the tone did not loop";
  WAV_Stop();
  EXPECT_TRUE(StaysSilent(300));
}

TEST_F(MusicUnderWine, MissingFilesAreSilent) {
  test::TempFolder folder;
  BGM_File = folder / "ない 曲.mp3";
  bgmtest::RecordingWinmm winmm;
  test::ClearAudioSink();
  MP3_Open();
  MP3_Loop();
  MP3_Loop();
  EXPECT_EQ(winmm.calls.size(), 7u) << bgmtest::DescribeCommands(winmm.Commands());
  for (const bgmtest::MciCall& call : winmm.calls) EXPECT_NE(call.result, 0u) << call.command;
  MP3_Stop();

  BGM_File = folder / "ない 曲.wav";
  WAV_Play();
  Sleep(300);
  WAV_Stop();
  EXPECT_EQ(test::AudibleBytesInSink(), 0u);
}

}  // namespace
