// The full-screen run, seen from outside: the saver runs in a fresh folder
// beside a stand-in visual program; the recording build of the saver shows
// which music routines and cursor calls the run made.
#include "saver_run/kovaro_s.h"

#include <gtest/gtest.h>

#include "startup/settings.h"
#include "support/saver_folder.h"

namespace {

using test::Process;
using test::SaverFolder;
using test::WaitForWindow;
using Lines = std::vector<std::string>;

const std::string kSaver = test::BuiltFile(KOVARO_SCR);
const std::string kRecordingSaver = test::BuiltFile(RECORDING_SAVER);
const std::string kStandIn = test::BuiltFile(STANDIN_VISUAL);

TEST(SaverRun, FileEndingIsTheLastThreeCharactersUpperCased) {
  const struct {
    const char* file;
    const char* ending;
  } cases[] = {
      /* 0 */ {"C:\\a\\song.Mp3", "MP3"}, /* 1 */ {"C:\\a\\b.wav", "WAV"},
      /* 2 */ {"C:\\a\\b.wave", "AVE"},   /* 3 */ {"ab", "AB"},
      /* 4 */ {"C:\\曲\\ジAV", "ジAV"},  // ジ is 83 57, its trail byte a 'W'
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(Kovaro_S_Run::FileEnding(cases[i].file), cases[i].ending) << "row " << i;
  }
}

// Starts the saver with args, waits for the visual program's window, keeps the
// run for holdMs, then closes the window as the visual program would; the
// saver must end promptly.
void RunFor(const SaverFolder& folder, const char* args, DWORD holdMs, const std::string& what) {
  const Process saver = folder.Start(args);
  ASSERT_TRUE(saver.Started()) << what;
  const HWND visual = folder.WaitForVisualWindow(5000);
  ASSERT_NE(visual, nullptr) << what;
  Sleep(holdMs);
  EXPECT_FALSE(saver.WaitExit(0)) << what << ": the run ended while the picture showed";
  PostMessageA(visual, WM_CLOSE, 0, 0);
  EXPECT_TRUE(saver.WaitExit(1000)) << what;
}

TEST(SaverRun, TheVisualProgramStartsByItsBarePathAndEndsTheRun) {
  // Blanks in the path: Windows, left to search, would start "...\My.exe".
  SaverFolder folder("My Saver 日本");
  folder.InstallSaver(kSaver);
  folder.InstallVisual(kStandIn);
  test::WriteFile(folder.root() / "My.exe", test::ReadFile(kStandIn));

  const Process saver = folder.Start("/s");
  const HWND run = WaitForWindow("Kovaro_Main", 5000, saver.Id());
  ASSERT_NE(run, nullptr);
  EXPECT_FALSE(IsWindowVisible(run));
  EXPECT_EQ(GetParent(run), nullptr);
  EXPECT_TRUE(GetWindowLongA(run, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);  // not in the task bar
  const HWND visual = folder.WaitForVisualWindow(5000);
  ASSERT_NE(visual, nullptr);
  EXPECT_EQ(folder.Lines("visual.log"), Lines{folder / "Kovaro.dll"});
  EXPECT_EQ(test::ReadFile(folder.root() / "visual.log"), "") << "the decoy was started";

  const ULONGLONG closed = GetTickCount64();
  PostMessageA(visual, WM_CLOSE, 0, 0);
  ASSERT_TRUE(saver.WaitExit(2000));
  EXPECT_LT(GetTickCount64() - closed, 500u);
  EXPECT_EQ(saver.ExitCode(), 0u);
}

TEST(SaverRun, AVisualProgramWithoutItsWindowEndsTheRun) {
  const struct {
    const char* standin;  // standin.ini, or null for a Kovaro.dll that is no program
    DWORD within;
  } cases[] = {
      /* 0 */ {"[StandIn]\r\nshow=0\r\n", 1500},          // waits for input, never shows
      /* 1 */ {"[StandIn]\r\nshow=0\r\nlife=1\r\n", 1500},  // ends at once
      /* 2 */ {nullptr, 1500},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SaverFolder folder;
    folder.InstallSaver(kSaver);
    if (cases[i].standin) {
      folder.InstallVisual(kStandIn);
      folder.Write("standin.ini", cases[i].standin);
    } else {
      folder.Write("Kovaro.dll", "not a program");
    }
    const ULONGLONG start = GetTickCount64();
    const Process saver = folder.Start("/s");
    ASSERT_TRUE(saver.WaitExit(cases[i].within + 2000)) << "row " << i;
    EXPECT_LT(GetTickCount64() - start, cases[i].within) << "row " << i;
    EXPECT_EQ(saver.ExitCode(), 0u) << "row " << i;
  }
}

TEST(SaverRun, ASlowVisualProgramKeepsTheRun) {
  SaverFolder folder;
  folder.InstallSaver(kSaver);
  folder.InstallVisual(kStandIn);
  folder.Write("standin.ini", "[StandIn]\r\ndelay=300\r\n");
  RunFor(folder, "/s", 200, "window after 300 ms");
}

TEST(SaverRun, TheCursorIsShownAgainOnlyAfterSlashS) {
  SaverFolder folder;
  folder.InstallSaver(kRecordingSaver);
  folder.InstallVisual(kStandIn);
  RunFor(folder, "/s", 100, "/s");
  Lines cursor;
  for (const auto& line : folder.Lines("calls.log")) {
    if (line.rfind("ShowCursor", 0) == 0) cursor.push_back(line);
  }
  ASSERT_EQ(cursor.size(), 2u);
  int start = 0, hidden = 0, shownArg = 0, shown = 0;
  ASSERT_EQ(std::sscanf(cursor[0].c_str(), "ShowCursor %d -> %d", &start, &hidden), 2);
  ASSERT_EQ(std::sscanf(cursor[1].c_str(), "ShowCursor %d -> %d", &shownArg, &shown), 2);
  EXPECT_EQ(start, 0);              // hidden with FALSE
  EXPECT_EQ(shownArg, hidden);      // the count itself is passed back
  EXPECT_EQ(shown, hidden + 1);     // which shows it: back where the run found it
  EXPECT_LT(hidden, 0);

  SaverFolder plain;
  plain.InstallSaver(kRecordingSaver);
  plain.InstallVisual(kStandIn);
  RunFor(plain, "", 100, "no arguments");
  for (const auto& line : plain.Lines("calls.log")) {
    EXPECT_EQ(line.rfind("ShowCursor", 0), std::string::npos) << line;
  }
}

TEST(SaverRun, WindowsEndingTheSessionEndsTheRunThroughQueryUnload) {
  SaverFolder folder;
  folder.InstallSaver(kRecordingSaver);
  folder.InstallVisual(kStandIn);
  folder.Write("song.wav", "music");
  folder.Write("Kovaro.ini", "[Section]\r\n" + std::string(Kovaro_B::kKeyKind) + "= 2\r\n" +
                                 Kovaro_B::kKeyFile + "=" + (folder / "song.wav") + "\r\n");
  const Process saver = folder.Start("/s");
  const HWND run = WaitForWindow("Kovaro_Main", 5000, saver.Id());
  ASSERT_NE(run, nullptr);
  const HWND visual = folder.WaitForVisualWindow(5000);
  ASSERT_NE(visual, nullptr);
  // The load is over once the music has started.
  ASSERT_TRUE(test::WaitUntil([&] { return folder.Read("calls.log").find("WAV_Play") != std::string::npos; }, 3000));
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(run, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer);
  ASSERT_TRUE(saver.WaitExit(2000));
  PostMessageA(visual, WM_CLOSE, 0, 0);  // the saver leaves its picture alone
  Lines calls;
  for (const auto& line : folder.Lines("calls.log")) {
    if (line.rfind("FindWindowA", 0) != 0) calls.push_back(line.substr(0, line.find(' ')));
  }
  EXPECT_EQ(calls, (Lines{"ShowCursor", "WAV_Play", "WAV_Stop", "ShowCursor"}));
}

// The music routines a run called, repeats of a line folded into one.
Lines MusicCalls(const SaverFolder& folder, int* monitorTicks) {
  Lines calls;
  *monitorTicks = 0;
  for (const auto& line : folder.Lines("calls.log")) {
    if (line.rfind("FindWindowA", 0) == 0 || line.rfind("ShowCursor", 0) == 0) continue;
    *monitorTicks += line == "CD_Monitor";
    if (calls.empty() || calls.back() != line) calls.push_back(line);
  }
  return calls;
}

TEST(SaverRun, TheRunDrivesTheChosenMusic) {
  const struct {
    const char* kind;
    const char* file;  // made in the folder; empty for none
    int cdTicks;       // the CD monitor's last tick, 0 for never
    DWORD holdMs;
    Lines expected;
    int monitorTicks;  // -1 for any
  } cases[] = {
      /*  0 */ {" 1", "", 0, 700, {"CD_Open", "CD_Monitor", "CD_Stop"}, -1},
      /*  1 */ {" 1", "", 1, 700, {"CD_Open", "CD_Monitor"}, 1},  // an ended monitor: no stop
      /*  2 */ {" 2", "song.Mp3", 0, 1300, {"MP3_Open", "MP3_Loop", "MP3_Stop"}, 0},
      /*  3 */ {" 2", "song.wav", 0, 300, {"WAV_Play", "WAV_Stop"}, 0},
      /*  4 */ {" 2", "song.ogg", 0, 1200, {}, 0},
      /*  5 */ {" 2", "song.wave", 0, 300, {}, 0},
      /*  6 */ {" 2", "ジAV", 0, 300, {}, 0},
      /*  7 */ {" 0", "song.mp3", 0, 1200, {}, 0},
      /*  8 */ {" 3", "song.mp3", 0, 300, {}, 0},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    SaverFolder folder;
    folder.InstallSaver(kRecordingSaver);
    folder.InstallVisual(kStandIn);
    std::string ini = "[Section]\r\n" + std::string(Kovaro_B::kKeyKind) + "=" + c.kind + "\r\n";
    if (*c.file) {
      folder.Write(c.file, "music");
      ini += std::string(Kovaro_B::kKeyFile) + "=" + (folder / c.file) + "\r\n";
    }
    folder.Write("Kovaro.ini", ini);
    folder.Write("recorder.ini", "[Recorder]\r\ncd_ticks=" + std::to_string(c.cdTicks) + "\r\n");
    RunFor(folder, "/s", c.holdMs, "row " + std::to_string(i));
    int ticks = 0;
    EXPECT_EQ(MusicCalls(folder, &ticks), c.expected) << "row " << i;
    if (c.monitorTicks >= 0) {
      EXPECT_EQ(ticks, c.monitorTicks) << "row " << i;
    }
  }
}

}  // namespace
