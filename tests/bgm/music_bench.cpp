// Figures for scripts/bench-music, under Wine with the audio file sink.
//
//   music_bench gap FILE.mp3 RESTARTS
//       Loops FILE as the run does (MP3_Open, MP3_Loop on a 1000-ms timer) and
//       watches the device's mode every 10 ms: prints the gap between each end
//       of the file and its restart.
//   music_bench first-sound FILE
//       MP3_Open or WAV_Play by the file's ending; prints the milliseconds from
//       the process's start and from the call to the first audible sample.
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bgm/kovaro_bgm.h"
#include "forms/app.h"
#include "forms/form.h"
#include "forms/timer.h"
#include "support/wav.h"

namespace {

double NowMs() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds since this process was created.
double SinceProcessStart() {
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimePreciseAsFileTime(&now);
  const auto ticks = [](FILETIME t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

class GapForm : public forms::Form {
 public:
  explicit GapForm(int restarts) : forms::Form({.caption = "music_bench"}), restarts_(restarts) {}

  forms::Timer Timer1{*this, 1000, false, [] { Kovaro_BGM::MP3_Loop(); }};
  forms::Timer Watch{*this, 10, true, [this] { Look(); }};
  std::vector<double> gaps;

 protected:
  void OnLoad() override {
    Kovaro_BGM::MP3_Open();
    Timer1.SetEnabled(true);
  }

 private:
  void Look() {
    char mode[30] = {};
    mciSendStringA("status MP3Play mode", mode, sizeof mode, nullptr);
    const bool playing = std::string(mode) == "playing";
    const double now = NowMs();
    if (wasPlaying_ && !playing) endedAt_ = now;
    if (!wasPlaying_ && playing && endedAt_ > 0) gaps.push_back(now - endedAt_);
    wasPlaying_ = playing;
    if (static_cast<int>(gaps.size()) >= restarts_ || NowMs() - startedAt_ > 60000) {
      Kovaro_BGM::MP3_Stop();
      Unload();
    }
  }

  int restarts_;
  bool wasPlaying_ = false;
  double endedAt_ = 0;
  double startedAt_ = NowMs();
};

int Gap(const char* file, int restarts) {
  Kovaro_BGM::BGM_File = file;
  GapForm form(restarts);
  form.Load();
  forms::RunMessageLoop();
  if (form.gaps.empty()) {
    std::printf("no restart seen\n");
    return 1;
  }
  double sum = 0;
  for (double gap : form.gaps) sum += gap;
  std::printf("restarts %zu  gap ms: min %.0f  mean %.0f  max %.0f\n", form.gaps.size(),
              *std::min_element(form.gaps.begin(), form.gaps.end()), sum / form.gaps.size(),
              *std::max_element(form.gaps.begin(), form.gaps.end()));
  return 0;
}

int FirstSound(const char* file) {
  Kovaro_BGM::BGM_File = file;
  const std::string ending = Kovaro_BGM::BGM_File.substr(Kovaro_BGM::BGM_File.size() - 3);
  const bool wav = ending == "wav" || ending == "WAV";
  const double called = NowMs();
  const double calledSinceStart = SinceProcessStart();
  wav ? Kovaro_BGM::WAV_Play() : Kovaro_BGM::MP3_Open();
  double heard = -1;
  while (NowMs() - called < 10000) {
    if (test::AudibleBytesInSink() > 0) {
      heard = NowMs();
      break;
    }
    Sleep(5);
  }
  wav ? Kovaro_BGM::WAV_Stop() : Kovaro_BGM::MP3_Stop();
  if (heard < 0) {
    std::printf("no sound within 10 s\n");
    return 1;
  }
  std::printf("first sound ms: from process start %.0f  from the call %.0f\n",
              calledSinceStart + (heard - called), heard - called);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string what = argc > 1 ? argv[1] : "";
  if (what == "gap" && argc == 4) return Gap(argv[2], std::atoi(argv[3]));
  if (what == "first-sound" && argc == 3) return FirstSound(argv[2]);
  std::fprintf(stderr, "usage: music_bench gap FILE.mp3 RESTARTS | first-sound FILE\n");
  return 2;
}
