// The figures of scripts/bench-run: Kovaro.scr /s beside the stand-in visual
// program, without music, started and ended many times.
//   start   from starting Kovaro.scr to the visual program's start
//   end     from closing the visual program's window to the saver's exit
//   cpu     the saver's processor time over one long run
// Usage: run_bench RUNS SECONDS
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "support/saver_folder.h"

namespace {

double Ms(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

LONGLONG Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

void Print(const char* what, std::vector<double> values) {
  if (values.empty()) {
    std::printf("  %-44s no figures\n", what);
    return;
  }
  std::sort(values.begin(), values.end());
  const double median = values[values.size() / 2];
  const double p95 = values[std::min(values.size() - 1, values.size() * 95 / 100)];
  std::printf("  %-44s median %6.1f ms   95th percentile %6.1f ms   (%zu runs)\n", what, median,
              p95, values.size());
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 20;
  const int seconds = argc > 2 ? std::atoi(argv[2]) : 20;
  std::vector<double> starts, ends;
  for (int i = 0; i < runs; ++i) {
    test::SaverFolder folder;
    folder.InstallSaver(test::BuiltFile(KOVARO_SCR));
    folder.InstallVisual(test::BuiltFile(STANDIN_VISUAL));
    const LONGLONG launched = Now();
    const test::Process saver = folder.Start("/s");
    const HWND visual = test::WaitForWindow("KovaroVC", 5000);
    if (!visual || !test::WaitForWindow("Kovaro_Main", 5000, saver.Id())) continue;
    starts.push_back(Ms(std::atoll(folder.Read("started.log").c_str()) - launched));
    Sleep(100);
    const LONGLONG closed = Now();
    PostMessageA(visual, WM_CLOSE, 0, 0);
    if (saver.WaitExit(5000)) ends.push_back(Ms(Now() - closed));
  }
  std::printf("Kovaro.scr /s with a stand-in visual program, no music\n");
  Print("start of Kovaro.scr to the visual program's", starts);
  Print("visual window closed to the saver's exit", ends);

  test::SaverFolder folder;
  folder.InstallSaver(test::BuiltFile(KOVARO_SCR));
  folder.InstallVisual(test::BuiltFile(STANDIN_VISUAL));
  folder.Write("standin.ini", "[StandIn]\r\nlife=" + std::to_string((seconds + 10) * 1000) + "\r\n");
  const test::Process saver = folder.Start("/s");
  const HWND visual = test::WaitForWindow("KovaroVC", 5000);
  const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, saver.Id());
  // Measured from two seconds in: the start of a Wine process costs far more
  // than the run itself.
  const auto cpuMs = [process] {
    FILETIME created, exited, kernel, user;
    if (!process || !GetProcessTimes(process, &created, &exited, &kernel, &user)) return -1.0;
    const auto ms = [](FILETIME t) {
      return static_cast<double>(static_cast<ULONGLONG>(t.dwHighDateTime) << 32 | t.dwLowDateTime) /
             10000.0;
    };
    return ms(kernel) + ms(user);
  };
  Sleep(2000);
  const double before = cpuMs();
  Sleep(static_cast<DWORD>(seconds) * 1000);
  const double after = cpuMs();
  if (visual && before >= 0 && after >= 0) {
    std::printf("  %-44s %.0f ms in %d s: %.3f%% of one core\n", "saver's processor time",
                after - before, seconds, 100.0 * (after - before) / (seconds * 1000.0));
  }
  if (process) CloseHandle(process);
  if (visual) PostMessageA(visual, WM_CLOSE, 0, 0);
  saver.WaitExit(5000);
  return 0;
}
