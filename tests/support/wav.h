// Test sound: WAV files made on the spot, and what Wine's sound device played.
//
// The Wine session sends the default sound device to a file (raw samples);
// KOVARO_AUDIO_SINK names it as a Windows path. Silence is all zero bytes, in
// whatever sample format the device was opened with.
#pragma once

#include <string>

namespace test {

// Writes a 16-bit mono PCM WAV of a sine tone.
void WriteToneWav(const std::string& path, double seconds, double hertz = 440.0,
                  int sampleRate = 22050);

std::string AudioSinkPath();
// Empties the sink, so that what follows is all that was played.
void ClearAudioSink();
// How many bytes of the sink are not zero.
std::size_t AudibleBytesInSink();

}  // namespace test
