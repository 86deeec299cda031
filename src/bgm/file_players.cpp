// The file players: an MP3 through the MCI "MPEGVideo" device under the alias
// "MP3Play", restarted by a tick every second once it has ended; a WAV looped
// by PlaySoundA on the platform's side.
#include <string>

#include "bgm/kovaro_bgm.h"
#include "bgm/mode_reply.h"
#include "bgm/winmm_api.h"
#include "startup/kovaro_b.h"

namespace Kovaro_BGM {
namespace {

// The MP3 player's commands leave ApiRet alone and their results unexamined.
MCIERROR Send(const std::string& command) {
  return Winmm.mciSendStringA(command.c_str(), nullptr, 0, nullptr);
}

}  // namespace

void MP3_Open() {
  // The quotes keep a path with blanks one argument.
  if (Send("open \"" + BGM_File + "\" type MPEGVideo Alias MP3Play") != 0) return;
  Send("play MP3Play");
}

bool MP3_IsPlaying() {
  Winmm.mciSendStringA("status MP3Play mode", MP3_ModeBuffer.data(), MP3_ModeBuffer.size(),
                       nullptr);
  return ModeReads(MP3_ModeBuffer, "playing");
}

void MP3_Loop() {
  if (MP3_IsPlaying()) return;
  Send("stop MP3Play");
  Send("play MP3Play from 0");
}

void MP3_Stop() {
  Send("stop MP3Play");
  Send("close MP3Play");
}

void WAV_Play() {
  if (Winmm.waveOutGetNumDevs() == 0) return;
  Kovaro_B::ApiRet = Winmm.PlaySoundA(BGM_File.c_str(), nullptr, SND_ASYNC | SND_LOOP);
}

void WAV_Stop() { Kovaro_B::ApiRet = Winmm.PlaySoundA(nullptr, nullptr, 0); }

}  // namespace Kovaro_BGM
