#include "fake_winmm.h"

#include <algorithm>
#include <cstring>

namespace bgmtest {
namespace {

FakeWinmm* fake = nullptr;
RecordingWinmm* recorder = nullptr;
const Kovaro_BGM::WinmmApi real = Kovaro_BGM::RealWinmm();

void WriteText(const std::string& text, char* buffer, UINT length) {
  if (!buffer || length == 0) return;
  const std::size_t n = std::min<std::size_t>(text.size(), length - 1);
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
}

MCIERROR WINAPI FakeSend(LPCSTR command, LPSTR buffer, UINT length, HWND callback) {
  const MciAnswer answer = fake->answer(command);
  if (answer.code == 0) WriteText(answer.reply, buffer, length);
  fake->calls.push_back({command, buffer != nullptr, length, callback, answer.code,
                         answer.reply, NowMs()});
  return answer.code;
}

BOOL WINAPI FakeErrorString(MCIERROR code, LPSTR buffer, UINT length) {
  fake->errorTextCodes.push_back(code);
  fake->errorTextLengths.push_back(length);
  const char* text = fake->errorText(code);
  if (!text) return FALSE;
  WriteText(text, buffer, length);
  return TRUE;
}

UINT WINAPI FakeWaveDevices() { return fake->waveDevices; }

BOOL WINAPI FakePlaySound(LPCSTR name, HMODULE module, DWORD flags) {
  fake->sounds.push_back({name != nullptr, name ? name : "", module, flags});
  return fake->playSoundResult;
}

MCIERROR WINAPI RecordSend(LPCSTR command, LPSTR buffer, UINT length, HWND callback) {
  const MCIERROR result = real.mciSendStringA(command, buffer, length, callback);
  recorder->calls.push_back({command, buffer != nullptr, length, callback, result,
                             buffer && result == 0 ? std::string(buffer, strnlen(buffer, length))
                                                   : std::string(),
                             NowMs()});
  return result;
}

std::vector<std::string> CommandsOf(const std::vector<MciCall>& calls) {
  std::vector<std::string> commands;
  for (const MciCall& call : calls) commands.push_back(call.command);
  return commands;
}

}  // namespace

double NowMs() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

FakeWinmm::FakeWinmm() : saved_(Kovaro_BGM::Winmm) {
  fake = this;
  Kovaro_BGM::Winmm = {FakeSend, FakeErrorString, FakeWaveDevices, FakePlaySound};
}

FakeWinmm::~FakeWinmm() {
  Kovaro_BGM::Winmm = saved_;
  fake = nullptr;
}

std::vector<std::string> FakeWinmm::Commands() const { return CommandsOf(calls); }

RecordingWinmm::RecordingWinmm() : saved_(Kovaro_BGM::Winmm) {
  recorder = this;
  Kovaro_BGM::Winmm.mciSendStringA = RecordSend;
}

RecordingWinmm::~RecordingWinmm() {
  Kovaro_BGM::Winmm = saved_;
  recorder = nullptr;
}

std::vector<std::string> RecordingWinmm::Commands() const { return CommandsOf(calls); }

std::string DescribeCommands(const std::vector<std::string>& commands) {
  std::string text = "{";
  for (std::size_t i = 0; i < commands.size(); ++i) {
    text += (i ? ", \"" : "\"") + commands[i] + "\"";
  }
  return text + "}";
}

}  // namespace bgmtest
