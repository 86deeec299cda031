// The test session sends Wine's sound to a file; this shows that tests can hear.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include "support/temp_folder.h"
#include "support/wav.h"

namespace {

TEST(AudioSink, PlayedSoundArrivesInTheSink) {
  ASSERT_FALSE(test::AudioSinkPath().empty()) << "run under the test session";
  EXPECT_EQ(waveOutGetNumDevs(), 1u);

  test::TempFolder folder;
  const std::string wav = folder / "tone.wav";
  test::WriteToneWav(wav, 0.3);
  test::ClearAudioSink();
  ASSERT_TRUE(PlaySoundA(wav.c_str(), nullptr, SND_FILENAME | SND_SYNC));
  EXPECT_GT(test::AudibleBytesInSink(), 1000u);

  // Silence stays silence.
  const std::string quiet = folder / "quiet.wav";
  test::WriteToneWav(quiet, 0.3, 0.0);
  test::ClearAudioSink();
  ASSERT_TRUE(PlaySoundA(quiet.c_str(), nullptr, SND_FILENAME | SND_SYNC));
  EXPECT_EQ(test::AudibleBytesInSink(), 0u);
}

}  // namespace
