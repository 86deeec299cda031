// A small model of an audio CD behind the "cdaudio" device, for FakeWinmm:
// it answers the status queries from its state and follows play and stop.
#pragma once

#include <string>

#include "fake_winmm.h"

namespace bgmtest {

struct Disc {
  int tracks = 5;
  int current = 1;
  std::string mode = "stopped";
  // Replaces the current-track reply when not empty ("03", "abc").
  std::string currentTrackText = "";
  // Codes that make a query fail; 0 answers.
  MCIERROR currentTrackFails = 0;
  MCIERROR numberOfTracksFails = 0;
  MCIERROR modeFails = 0;

  MciAnswer Answer(const std::string& command);
};

// Position of the start of a track in the "tmsf" time format.
std::string TrackStart(int track);

}  // namespace bgmtest
