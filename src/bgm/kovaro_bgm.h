// The background-music module: the three music settings, which every mode but
// the preview reads at start-up, and the players the run form drives.
//
// Calling order within one run (all on the one thread, none waits for sound):
//   kind 1: CD_Open at load, CD_Monitor every 200 ms while CD_Continue stays
//           true, CD_Stop at the end only if the monitor is still running;
//   kind 2, *.MP3: MP3_Open at load, MP3_Loop every 1000 ms, MP3_Stop at the end;
//   kind 2, *.WAV: WAV_Play at load, WAV_Stop at the end.
// Every routine ignores failures step by step and reports none.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace Kovaro_BGM {

// 0 no music, 1 the audio CD, 2 an MP3 or WAV file; other values play nothing.
inline std::int16_t BGM_Kind = 0;
// The CD track playback is held on; 0 holds none.
inline std::int16_t BGM_RepeatTrack = 0;
// Full path of the MP3 or WAV file.
inline std::string BGM_File;

// Whether the CD monitor's ticks are to go on; written by CD_Monitor.
inline bool CD_Continue = false;

// The replies to the CD's and the MP3's mode queries. They start all NUL and
// are never cleared: only their first 7 characters are looked at.
inline std::array<char, 256> CD_ModeBuffer{};
inline std::array<char, 30> MP3_ModeBuffer{};

void CD_Open();
void CD_Monitor();
void CD_Stop();

void MP3_Open();
bool MP3_IsPlaying();
void MP3_Loop();
void MP3_Stop();

void WAV_Play();
void WAV_Stop();

}  // namespace Kovaro_BGM
