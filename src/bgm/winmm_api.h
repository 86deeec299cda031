// The Windows multimedia functions the music module calls, reached through
// one table of pointers so that a test can put a scripted or recording fake
// in their place. Production binds winmm's own functions; nothing else in the
// module calls winmm directly.
#pragma once

#include <windows.h>
#include <mmsystem.h>

namespace Kovaro_BGM {

#define KOVARO_WINMM_FUNCTIONS(X) \
  X(mciSendStringA)               \
  X(mciGetErrorStringA)           \
  X(waveOutGetNumDevs)            \
  X(PlaySoundA)

struct WinmmApi {
#define KOVARO_WINMM_POINTER(name) decltype(&::name) name;
  KOVARO_WINMM_FUNCTIONS(KOVARO_WINMM_POINTER)
#undef KOVARO_WINMM_POINTER
};

// winmm's own functions.
WinmmApi RealWinmm();

// What the module calls; tests may swap it and must put it back.
extern WinmmApi Winmm;

}  // namespace Kovaro_BGM
