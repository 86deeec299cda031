// Turns a build of the saver into a recorder: the music routines and the
// watched window-manager calls write a line each to calls.log beside the
// executable, so a test sees which were called, in which order, with what.
//   "FindWindowA <title>", "ShowCursor <arg> -> <result>", "CD_Open", ...
// recorder.ini beside it: [Recorder] cd_ticks=N makes the N-th CD_Monitor
// tick end the monitor (CD_Continue false); 0 or none: it never ends.
#include <windows.h>

#include <string>

#include "bgm/kovaro_bgm.h"
#include "forms/app.h"
#include "startup/user32_seam.h"
#include "support/temp_folder.h"

namespace {

void Record(const std::string& line) { test::AppendLine(forms::AppPath() + "\\calls.log", line); }

HWND WINAPI RecordFindWindowA(LPCSTR className, LPCSTR title) {
  Record(std::string("FindWindowA ") + (title ? title : "(null)"));
  return FindWindowA(className, title);
}

int WINAPI RecordShowCursor(BOOL show) {
  const int result = ShowCursor(show);
  Record("ShowCursor " + std::to_string(show) + " -> " + std::to_string(result));
  return result;
}

// Runs before WinMain: the seam is initialised earlier, in this same file.
const bool installed = [] {
  Kovaro_B::user32.FindWindowA = RecordFindWindowA;
  Kovaro_B::user32.ShowCursor = RecordShowCursor;
  return true;
}();

}  // namespace

namespace Kovaro_BGM {

void CD_Open() { Record("CD_Open"); }
void CD_Monitor() {
  static UINT ticks = 0;
  const std::string ini = forms::AppPath() + "\\recorder.ini";
  const UINT last = GetPrivateProfileIntA("Recorder", "cd_ticks", 0, ini.c_str());
  ++ticks;
  CD_Continue = last == 0 || ticks < last;
  Record("CD_Monitor");
}
void CD_Stop() { Record("CD_Stop"); }
void MP3_Open() { Record("MP3_Open"); }
bool MP3_IsPlaying() { return true; }
void MP3_Loop() { Record("MP3_Loop"); }
void MP3_Stop() { Record("MP3_Stop"); }
void WAV_Play() { Record("WAV_Play"); }
void WAV_Stop() { Record("WAV_Stop"); }

}  // namespace Kovaro_BGM
