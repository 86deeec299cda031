// The decisions of one CD monitor tick, as plain functions.
#pragma once

#include <cstdint>
#include <string>

namespace Kovaro_BGM {

// A channel reply that carries the failure marker: "ERR" in it, upper-cased.
bool IsMciFailure(const std::string& reply);

enum class CdTickAction {
  Nothing,        // the disc plays as it should
  PlayDisc,       // "play cdaudio": the disc has stopped, no track held
  PlayHeldTrack,  // back to the start of the held track
  EndMonitor,     // the failure path: no more ticks
};

// What a tick does once its queries passed the "ERR" test: currentTrack is the
// current-track reply, stopped whether the mode reads "stopped", repeatTrack
// BGM_RepeatTrack. The current track is compared as a number; with a track
// held, a reply that is not a number is a failure.
CdTickAction CD_TickAction(const std::string& currentTrack, bool stopped,
                           std::int16_t repeatTrack);

}  // namespace Kovaro_BGM
