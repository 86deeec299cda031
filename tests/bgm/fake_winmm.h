// Stand-ins for winmm behind the music module's seam.
//
//   FakeWinmm: scripted. Answers each MCI command from `answer` and records
//     every call with its arguments. A reply is written NUL-terminated at the
//     start of the caller's buffer, within the length it gave; a failed
//     command writes nothing, so earlier text stays in the buffer.
//   RecordingWinmm: passes every call to the real winmm and records it, with
//     the result, reply and time, for tests under Wine.
// Each installs itself while it lives and puts back what was there before.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <functional>
#include <string>
#include <vector>

#include "bgm/winmm_api.h"

namespace bgmtest {

struct MciCall {
  std::string command;
  bool hasBuffer;
  UINT length;
  HWND callback;
  MCIERROR result = 0;
  std::string reply;
  double atMs = 0;  // NowMs() when the call returned
};

struct PlaySoundCall {
  bool hasName;
  std::string name;
  HMODULE module;
  DWORD flags;
};

struct MciAnswer {
  MCIERROR code = 0;
  std::string reply;
};

class FakeWinmm {
 public:
  FakeWinmm();
  ~FakeWinmm();
  FakeWinmm(const FakeWinmm&) = delete;
  FakeWinmm& operator=(const FakeWinmm&) = delete;

  // The commands sent, in order.
  std::vector<std::string> Commands() const;

  std::function<MciAnswer(const std::string&)> answer = [](const std::string&) {
    return MciAnswer{MCIERR_UNRECOGNIZED_COMMAND, ""};
  };
  // Error texts by code; a code not listed has none (mciGetErrorStringA fails).
  std::function<const char*(MCIERROR)> errorText = [](MCIERROR) -> const char* {
    return nullptr;
  };
  UINT waveDevices = 1;
  BOOL playSoundResult = TRUE;

  std::vector<MciCall> calls;
  std::vector<MCIERROR> errorTextCodes;
  std::vector<UINT> errorTextLengths;
  std::vector<PlaySoundCall> sounds;

 private:
  Kovaro_BGM::WinmmApi saved_;
};

class RecordingWinmm {
 public:
  RecordingWinmm();
  ~RecordingWinmm();
  RecordingWinmm(const RecordingWinmm&) = delete;
  RecordingWinmm& operator=(const RecordingWinmm&) = delete;

  std::vector<std::string> Commands() const;

  std::vector<MciCall> calls;

 private:
  Kovaro_BGM::WinmmApi saved_;
};

// <chrono> cannot be compiled for code page 932: a millisecond clock.
double NowMs();

// {"a", "b"}: a command list for failure messages.
std::string DescribeCommands(const std::vector<std::string>& commands);

}  // namespace bgmtest
