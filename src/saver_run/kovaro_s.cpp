#include "saver_run/kovaro_s.h"

#include "bgm/kovaro_bgm.h"
#include "forms/app.h"
#include "forms/text.h"
#include "startup/kovaro_b.h"
#include "startup/main.h"
#include "startup/user32_seam.h"

using namespace Kovaro_BGM;
using namespace Kovaro_S_Run;

namespace Kovaro_S_Run {

std::string FileEnding(const std::string& file) { return forms::UCase(forms::RightChars(file, 3)); }

void StartVisualProgram(const std::string& path) {
  // The path is also the application name, so Windows runs exactly this file
  // and never tries "C:\Program.exe" for a path with blanks.
  std::string commandLine = path;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return;
  }
  // The watch's first tick comes 50 ms after the load, sooner than a visual
  // program shows its window; without this wait the run would end at once.
  WaitForInputIdle(process.hProcess, kVisualReadyWaitMs);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace Kovaro_S_Run

Kovaro_S::Kovaro_S()
    : Form({.caption = Kovaro_B::kRunMarker, .style = WS_POPUP, .showInTaskbar = false,
            .left = 0, .top = 0, .width = 1, .height = 1}) {}

void Kovaro_S::OnLoad() {
  StartVisualProgram(Kovaro_B::VisualProgramPath());
  if (BGM_Kind == 1) {
    CD_Open();
    Timer2.SetEnabled(true);
  }
  if (BGM_Kind == 2) {
    const std::string ending = FileEnding(BGM_File);
    if (ending == "WAV") WAV_Play();
    if (ending == "MP3") {
      MP3_Open();
      Timer1.SetEnabled(true);
    }
  }
}

void Kovaro_S::Timer1_Timer() { MP3_Loop(); }

void Kovaro_S::Timer2_Timer() {
  CD_Monitor();
  Timer2.SetEnabled(CD_Continue);
}

void Kovaro_S::Timer3_Timer() {
  if (Kovaro_B::user32.FindWindowA(nullptr, kVisualTitle)) return;
  Timer3.SetEnabled(false);
  Unload();
}

void Kovaro_S::OnQueryUnload(bool& /*cancel*/, forms::UnloadMode /*mode*/) {
  if (Timer2.Enabled()) {
    Timer2.SetEnabled(false);
    CD_Stop();
  }
  if (BGM_Kind == 2) {
    const std::string ending = FileEnding(BGM_File);
    if (ending == "WAV") WAV_Stop();
    if (ending == "MP3") MP3_Stop();
  }
  if (Kovaro_B::ModeLetter(forms::Command()) == "S") {
    Kovaro_B::CursorCount = Kovaro_B::user32.ShowCursor(Kovaro_B::CursorCount);
  }
  forms::End();
}
