#include "fake_cdaudio.h"

#include <cstdio>
#include <cstdlib>

namespace bgmtest {
namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// A whole decimal number, or 0.
int WholeNumber(const std::string& text) {
  char* end = nullptr;
  const long n = std::strtol(text.c_str(), &end, 10);
  return end != text.c_str() && *end == '\0' ? static_cast<int>(n) : 0;
}

}  // namespace

std::string TrackStart(int track) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:00:00:00", track);
  return text;
}

MciAnswer Disc::Answer(const std::string& command) {
  const std::string positionTrack = "status cdaudio position track ";
  const std::string playFrom = "play cdaudio from ";
  if (command == "open cdaudio" || command == "set cdaudio time format tmsf" ||
      command == "close cdaudio") {
    return {};
  }
  if (command == "status cdaudio current track") {
    if (currentTrackFails) return {currentTrackFails, ""};
    return {0, currentTrackText.empty() ? std::to_string(current) : currentTrackText};
  }
  if (command == "status cdaudio number of tracks") {
    if (numberOfTracksFails) return {numberOfTracksFails, ""};
    return {0, std::to_string(tracks)};
  }
  if (command == "status cdaudio mode") {
    if (modeFails) return {modeFails, ""};
    return {0, mode};
  }
  if (StartsWith(command, positionTrack)) {
    const int track = WholeNumber(command.substr(positionTrack.size()));
    if (track < 1 || track > tracks) return {MCIERR_OUTOFRANGE, ""};
    return {0, TrackStart(track)};
  }
  if (command == "play cdaudio") {
    mode = "playing";
    return {};
  }
  if (StartsWith(command, playFrom)) {
    const std::string position = command.substr(playFrom.size());
    const int track = WholeNumber(position.substr(0, position.find(':')));
    if (track < 1 || track > tracks || position != TrackStart(track)) {
      return {MCIERR_BAD_TIME_FORMAT, ""};
    }
    current = track;
    mode = "playing";
    return {};
  }
  if (command == "stop cdaudio") {
    mode = "stopped";
    return {};
  }
  return {MCIERR_UNRECOGNIZED_COMMAND, ""};
}

}  // namespace bgmtest
