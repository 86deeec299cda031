// The run form: a hidden top-level window titled "Kovaro_Main" (the marker of
// a running saver) that carries the full-screen run.
//
//   Load         starts the visual program Kovaro.dll and the chosen music.
//   Timer1 1 s   keeps an MP3 looping (off until an MP3 starts).
//   Timer2 200ms keeps the CD playing while the monitor wants to go on (off
//                until the CD opens).
//   Timer3 50 ms watches for the visual program's window "KovaroVC"; once it
//                has gone, the form unloads.
//   QueryUnload  stops the music, shows the cursor again after /s, and ends
//                the program. Every unload goes through it, and it never
//                refuses.
#pragma once

#include <string>

#include "forms/form.h"
#include "forms/timer.h"

class Kovaro_S : public forms::Form {
 public:
  Kovaro_S();

  forms::Timer Timer1{*this, 1000, false, [this] { Timer1_Timer(); }};
  forms::Timer Timer2{*this, 200, false, [this] { Timer2_Timer(); }};
  forms::Timer Timer3{*this, 50, true, [this] { Timer3_Timer(); }};

 protected:
  void OnLoad() override;
  void OnQueryUnload(bool& cancel, forms::UnloadMode mode) override;

 private:
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
};

namespace Kovaro_S_Run {

inline constexpr char kVisualTitle[] = "KovaroVC";
// How long the run waits for a started visual program to be ready for input
// (its window up) before the watch begins.
inline constexpr unsigned kVisualReadyWaitMs = 5000;

// The last three characters of a music file's name, upper-cased ("MP3", "WAV").
std::string FileEnding(const std::string& file);

// Starts the visual program with its bare path as the whole command line and
// waits, within kVisualReadyWaitMs, until it is ready for input.
void StartVisualProgram(const std::string& path);

}  // namespace Kovaro_S_Run
