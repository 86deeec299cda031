#include "support/wav.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>

#include "support/temp_folder.h"

namespace test {
namespace {

void Put16(std::string& out, std::uint16_t v) {
  out += static_cast<char>(v & 0xff);
  out += static_cast<char>(v >> 8);
}
void Put32(std::string& out, std::uint32_t v) {
  Put16(out, static_cast<std::uint16_t>(v & 0xffff));
  Put16(out, static_cast<std::uint16_t>(v >> 16));
}

}  // namespace

void WriteToneWav(const std::string& path, double seconds, double hertz, int sampleRate) {
  const auto frames = static_cast<std::uint32_t>(seconds * sampleRate);
  std::string wav = "RIFF";
  Put32(wav, 36 + frames * 2);
  wav += "WAVEfmt ";
  Put32(wav, 16);
  Put16(wav, 1);  // PCM
  Put16(wav, 1);  // mono
  Put32(wav, static_cast<std::uint32_t>(sampleRate));
  Put32(wav, static_cast<std::uint32_t>(sampleRate) * 2);
  Put16(wav, 2);
  Put16(wav, 16);
  wav += "data";
  Put32(wav, frames * 2);
  for (std::uint32_t i = 0; i < frames; ++i) {
    const double s = std::sin(2 * std::numbers::pi * hertz * i / sampleRate);
    Put16(wav, static_cast<std::uint16_t>(static_cast<std::int16_t>(s * 12000)));
  }
  WriteFile(path, wav);
}

std::string AudioSinkPath() {
  const char* sink = std::getenv("KOVARO_AUDIO_SINK");
  return sink ? sink : "";
}

void ClearAudioSink() { WriteFile(AudioSinkPath(), ""); }

std::size_t AudibleBytesInSink() {
  std::size_t audible = 0;
  for (char c : ReadFile(AudioSinkPath())) audible += c != 0;
  return audible;
}

}  // namespace test
